// Build-time generator of the installed desktop files: the PNG icon from the program's own XPM
// data, and the metainfo with the release taken from the program's version record, so that
// neither the pixels nor the version number exist twice in the tree.
#include <QImage>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "ui/app_icon.h"
#include "ui/version_record.h"

namespace {

constexpr std::string_view kVersionPlaceholder = "@FOKURO_VERSION@";

int Usage() {
  std::cerr << "usage: fokuro-desktop-gen icon OUT.png\n"
               "       fokuro-desktop-gen metainfo IN.xml.in OUT.xml [EXPECTED_VERSION]\n"
               "       fokuro-desktop-gen version\n";
  return 2;
}

std::string ProgramVersion() {
  return fokuro::DottedVersion(fokuro::ProgramVersionRecord().productVersion);
}

int WriteIcon(const char* out) {
  // Same call as the window's icon: QImage reads XPM data without an application object.
  const QImage image(fokuro::AppIcon().xpm.data());
  if (image.isNull() || image.width() != 32 || image.height() != 32) {
    std::cerr << "fokuro-desktop-gen: the icon's XPM did not read as 32 x 32\n";
    return 1;
  }
  if (!image.save(QString::fromLocal8Bit(out), "PNG")) {
    std::cerr << "fokuro-desktop-gen: cannot write " << out << '\n';
    return 1;
  }
  return 0;
}

int WriteMetainfo(const char* in, const char* out, const char* expected) {
  const std::string version = ProgramVersion();
  // The package version comes from CMake's project(); a mismatch must stop the build rather
  // than ship a package and a metainfo that disagree.
  if (expected != nullptr && version != expected) {
    std::cerr << "fokuro-desktop-gen: the version record says " << version
              << " but the project says " << expected << '\n';
    return 1;
  }
  std::ifstream input(in, std::ios::binary);
  if (!input) {
    std::cerr << "fokuro-desktop-gen: cannot read " << in << '\n';
    return 1;
  }
  std::ostringstream buffer;
  buffer << input.rdbuf();
  std::string text = buffer.str();
  std::size_t replaced = 0;
  for (std::size_t at = text.find(kVersionPlaceholder); at != std::string::npos;
       at = text.find(kVersionPlaceholder, at + version.size())) {
    text.replace(at, kVersionPlaceholder.size(), version);
    ++replaced;
  }
  if (replaced == 0) {
    std::cerr << "fokuro-desktop-gen: " << in << " has no " << kVersionPlaceholder << '\n';
    return 1;
  }
  std::ofstream output(out, std::ios::binary | std::ios::trunc);
  output << text;
  if (!output.flush()) {
    std::cerr << "fokuro-desktop-gen: cannot write " << out << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    return Usage();
  }
  const std::string_view mode = argv[1];
  if (mode == "icon" && argc == 3) {
    return WriteIcon(argv[2]);
  }
  if (mode == "metainfo" && (argc == 4 || argc == 5)) {
    return WriteMetainfo(argv[2], argv[3], argc == 5 ? argv[4] : nullptr);
  }
  if (mode == "version" && argc == 2) {
    std::cout << ProgramVersion() << '\n';
    return 0;
  }
  return Usage();
}
