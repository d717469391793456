// Stands in for the system's network shell in the Windows-side tests. Staged as the system's
// own (tests/win32/NetshDouble.h), it prints the dump the test prepared (the file named by
// QTH_NETSH_DUMP) and appends its arguments as one line to the file named by QTH_NETSH_ARGS.
// Not part of the program.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (const char* argsFile = std::getenv("QTH_NETSH_ARGS")) {
    if (std::FILE* out = std::fopen(argsFile, "ab")) {
      for (int i = 1; i < argc; ++i) std::fprintf(out, "%s%s", i > 1 ? " " : "", argv[i]);
      std::fputs("\r\n", out);
      std::fclose(out);
    }
  }
  const char* dump = std::getenv("QTH_NETSH_DUMP");
  std::FILE* in = dump ? std::fopen(dump, "rb") : nullptr;
  if (!in) return 1;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) std::fwrite(buffer, 1, n, stdout);
  std::fclose(in);
  return 0;
}
