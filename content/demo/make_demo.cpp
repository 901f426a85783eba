// qtp-make-demo DIR: writes a demo prefix with both simulators and the product CD in D:.
#include <cstdio>
#include <string>

#include "demo_prefix.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::string(argv[1]).empty() || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: qtp-make-demo DIR\n");
    return 2;
  }
  std::string why;
  if (!demo::makeDemoPrefix(argv[1], &why)) {
    std::fprintf(stderr, "qtp-make-demo: %s\n", why.c_str());
    return 1;
  }
  std::printf("%s\n", argv[1]);
  return 0;
}
