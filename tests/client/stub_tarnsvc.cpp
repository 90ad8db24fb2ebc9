// Stands in for the companion service program: records how it was called in
// "tarnsvc-calls.txt" in the current directory and exits with the status that the
// file "tarnsvc-exit-status.txt" there names (0 without it).
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (std::FILE* calls = std::fopen("tarnsvc-calls.txt", "ab")) {
    for (int i = 1; i < argc; ++i) std::fprintf(calls, i == 1 ? "%s" : " %s", argv[i]);
    std::fputs("\n", calls);
    std::fclose(calls);
  }
  int status = 0;
  if (std::FILE* wanted = std::fopen("tarnsvc-exit-status.txt", "rb")) {
    if (std::fscanf(wanted, "%d", &status) != 1) status = 0;
    std::fclose(wanted);
  }
  return status;
}
