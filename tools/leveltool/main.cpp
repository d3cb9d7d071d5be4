#include <cstdio>

int main() {
  std::fprintf(stderr, "leveltool: noch nicht fertig\n");
  return 2;
}
