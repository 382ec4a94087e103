# The Debian package, built by ./package (cpack): the install rules above under /usr. Library
# dependencies come from dpkg-shlibdeps, so they name the Qt and C++ runtime packages of the
# release it was built on.
set(KR_T27_MAINTAINER "KR-T27 Software Team" CACHE STRING "Maintainer field of the Debian package")
set(KR_T27_HOMEPAGE "https://github.com/krt27/kr-t27" CACHE STRING "Homepage field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kr-t27)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KR_T27_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the KR-T27 handheld radio")
# The summary above is the first line; cpack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Reads, edits and writes the channels, sub-audio tones, options, DTMF
signalling, key functions and password of a KR-T27 16-channel handheld
two-way radio over a serial programming cable, and keeps them in channel
data files (.Kqd). The interface speaks English, Simplified Chinese and
Traditional Chinese.

Also holds kr-t27-cli, a command-line front end for files and transfers,
and kr-t27-radio, a virtual radio on a pseudo-terminal for trying the
program without hardware.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KR_T27_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# udev applies the cable rule, the font draws the Chinese texts, Qt's translations put its
# dialogs in the interface language; the program runs without any of them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev, fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
