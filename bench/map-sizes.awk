# Groups a GNU ld map file (-Wl,-Map) by library and by object: what each brings into the
# program's code (.text), exception tables (.eh_frame), constants (.rdata) and data.
# Usage: awk -v top=25 -f bench/map-sizes.awk Quonthary.map
function hex(s,    i, n, c) {
  n = 0
  s = tolower(substr(s, 3))
  for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
  return n
}
function add(size, file,    object, library) {
  if (size == 0 || section !~ /^\.(text|eh_frame|rdata|data)$/) return
  object = file
  sub(/.*\//, "", object)
  library = object
  if (library ~ /\(/) sub(/\(.*/, "", library)
  else library = "(program objects)"
  # The release is optimised whole at the link: its own objects come out as one.
  if (object ~ /\.ltrans\.o$/) object = "(the program's objects, optimised as one)"
  if (library ~ /^lib(qcore|quonthary)/) library = "(program objects)"
  bytes[object, section] += size
  total[object] += size
  libtotal[library] += size
  libsection[library, section] += size
}
BEGIN { if (!top) top = 25 }
/^Linker script and memory map/ { map = 1; next }
!map { next }
/^\.[A-Za-z_]+ +0x/ { section = $1; pending = 0; next }
/^ \.[^ ]+ *$/ { pending = 1; next }
/^ \.[^ ]+ +0x[0-9a-f]+ +0x[0-9a-f]+ / { add(hex($3), $4); pending = 0; next }
pending && $1 ~ /^0x/ && $2 ~ /^0x/ && NF == 3 { add(hex($2), $3); pending = 0; next }
{ pending = 0 }
function row(name, t, e, r, d) {
  printf "%9d %9d %9d %9d %9d  %s\n", t + e + r + d, t, e, r, d, name
}
function sorted(arr, keys,    k, n, i, j, tmp) {
  n = 0
  for (k in arr) keys[++n] = k
  for (i = 2; i <= n; i++)
    for (j = i; j > 1 && arr[keys[j]] > arr[keys[j - 1]]; j--) {
      tmp = keys[j]; keys[j] = keys[j - 1]; keys[j - 1] = tmp
    }
  return n
}
END {
  printf "%9s %9s %9s %9s %9s  %s\n", "bytes", ".text", ".eh_frame", ".rdata", ".data", "library"
  n = sorted(libtotal, libs)
  for (i = 1; i <= n; i++)
    row(libs[i], libsection[libs[i], ".text"], libsection[libs[i], ".eh_frame"],
        libsection[libs[i], ".rdata"], libsection[libs[i], ".data"])
  printf "\n%9s %9s %9s %9s %9s  %s\n", "bytes", ".text", ".eh_frame", ".rdata", ".data", \
    "object (the " top " biggest)"
  n = sorted(total, objects)
  for (i = 1; i <= n && i <= top; i++)
    row(objects[i], bytes[objects[i], ".text"], bytes[objects[i], ".eh_frame"],
        bytes[objects[i], ".rdata"], bytes[objects[i], ".data"])
}
