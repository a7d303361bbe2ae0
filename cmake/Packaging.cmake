# One Debian package, fokuro, holding only the install component "fokuro": the program and its
# desktop files. Tests and tools have no install rules, and any rule without this component is
# left out of the package too.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fokuro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Fokuro developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "35 mm-equivalent focal lengths for DSLR crop factors")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "35 mm-equivalent focal lengths for DSLR crop factors\n\
A one-window desktop program for photographers: pick the camera's crop class\n\
(factor 1.0 to 1.7), type the focal length marked on the lens and read the\n\
35 mm-equivalent lengths. All its texts are Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};fokuro;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Fokuro developers <fokuro@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The Qt, C++ and C library dependencies come from dpkg-shlibdeps. The xcb platform plugin is
# loaded at run time, so no library link names it; without it the window cannot open. The
# dialog's font is IPA Gothic.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
include(CPack)
