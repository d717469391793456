// Program entry: filled in once the owner form exists.
int main() { return 0; }
