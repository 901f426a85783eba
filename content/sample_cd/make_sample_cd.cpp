// qtp-make-sample-cd DIR --module NOR_NV36.gau [--windows-module NOR_NV36.gau]:
// writes the sample product CD.
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "sample_cd.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: qtp-make-sample-cd DIR --module NOR_NV36.gau "
               "[--windows-module NOR_NV36.gau]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-' || argv[1][0] == '\0') return usage();
  samplecd::SampleCdInputs inputs;
  for (int i = 2; i < argc; i += 2) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) return usage();
    if (flag == "--module")
      inputs.gaugeModule = argv[i + 1];
    else if (flag == "--windows-module")
      inputs.windowsGaugeModule = argv[i + 1];
    else
      return usage();
  }
  if (inputs.gaugeModule.empty()) return usage();
  QGuiApplication app(argc, argv);  // pictures are drawn through Qt
  std::string why;
  if (!samplecd::writeSampleCd(argv[1], inputs, &why)) {
    std::fprintf(stderr, "qtp-make-sample-cd: %s\n", why.c_str());
    return 1;
  }
  std::printf("%s\n", argv[1]);
  return 0;
}
