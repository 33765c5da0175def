# SPDX-License-Identifier: GPL-2.0-or-later
# The Debian package: "cpack -G DEB" in the build folder makes przelew_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME przelew)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Przelew developers <przelew@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print Polish bank transfer orders on plain A4 paper")
# The long description, wrapped as the control file wants it; CPack puts the summary before it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Przelew prints the four-part Polish bank transfer order and the cash deposit
slip on plain A4 paper: four coloured copies on one landscape page, every
value spaced out into the form's character cells. Transfers are typed in or
opened from transfer files and CSV files, previewed, printed through CUPS or
saved as report files of enhanced metafiles.

Values can be printed alone on pre-printed forms, with a calibration for each
printer; printed transfers are kept in a searchable log. przelew-render does
the same from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the binaries do not name: libcups is loaded when the first job is printed, Qt loads its X11
# platform plugin and SQLite driver at run time, and the form's metrics come from these fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2, qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation2, fonts-wine")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-translations-l10n")
include(CPack)
