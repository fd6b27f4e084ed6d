# What the program is, written once: the code reads it from the generated
# header sorvane_identity.h (target sorvane_identity), and the Windows version
# record, the desktop entry, the metainfo, the Debian package and the Windows
# package's notes are generated from it. Included before project(), which
# takes the name and the version from here.

set(SORVANE_NAME Sorvane)
# The name as the Japanese windows and menus show it, in full-width letters.
set(SORVANE_TITLE "Ｓｏｒｖａｎｅ")
set(SORVANE_EXECUTABLE sorvane)
set(SORVANE_SUMMARY "Breathing-rate and enriched-air calculator for scuba divers")

# The release as users see it: the About box shows it with its date, and the
# package and the software centre give the same release. The version below is
# that release in the Windows version record's four parts (its text spells
# them major.minor.revision, SORVANE_VERSION_TEXT); package managers would
# order the two spellings differently, so packages use the release.
set(SORVANE_RELEASE 1.02)
set(SORVANE_RELEASE_DATE 2003-05-03)
set(SORVANE_VERSION 1.0.0.2)

# The freedesktop application id: it names the desktop entry, the metainfo and
# the icon, and the program hands it to the window system at start-up. The
# project's domain is example.jp, reserved for examples, until it has one of
# its own.
set(SORVANE_APP_ID jp.example.Sorvane)
# The author's site: its top page opens from the About box's "作者HP"; the
# program's own page and the e-mail address are shown there as text.
set(SORVANE_AUTHOR_HOME https://example.jp/)
set(SORVANE_HOME_PAGE https://example.jp/sorvane/)
set(SORVANE_MAIL sorvane@example.jp)
# Who publishes it, as the Windows installer's version record and the entry
# under "アプリと機能" name them, and the copyright the installer carries.
set(SORVANE_PUBLISHER ${SORVANE_NAME})
set(SORVANE_COPYRIGHT "Copyright (C) 2003 ${SORVANE_PUBLISHER}")

# The commit a release is built from (tools/release.sh gives it); the
# packages' notes and descriptions name it when it is set.
set(SORVANE_COMMIT "" CACHE STRING "The commit this build is made from, for the packages' notes")

# The program icon as a Qt resource: this file of app/ under this prefix.
set(SORVANE_ICON_PREFIX /icons)
set(SORVANE_ICON_FILE sorvane.png)

# Spellings derived from the above.
set(SORVANE_ICON_RESOURCE ":${SORVANE_ICON_PREFIX}/${SORVANE_ICON_FILE}")
string(REPLACE - / SORVANE_RELEASE_DATE_SHOWN ${SORVANE_RELEASE_DATE})
# The version record's text: major, minor in two digits, revision in four; the
# third part is always 0 there.
if(NOT SORVANE_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.0\\.([0-9]+)$")
  message(FATAL_ERROR "SORVANE_VERSION ${SORVANE_VERSION} is not major.minor.0.revision")
endif()
set(sorvane_major ${CMAKE_MATCH_1})
set(sorvane_minor ${CMAKE_MATCH_2})
set(sorvane_revision ${CMAKE_MATCH_3})
function(sorvane_zero_pad value width out)
  string(LENGTH "${value}" length)
  math(EXPR zeros "${width} - ${length}")
  set(padded "${value}")
  if(zeros GREATER 0)
    string(REPEAT 0 ${zeros} padding)
    set(padded "${padding}${value}")
  endif()
  set(${out} "${padded}" PARENT_SCOPE)
endfunction()
sorvane_zero_pad(${sorvane_minor} 2 sorvane_minor)
sorvane_zero_pad(${sorvane_revision} 4 sorvane_revision)
set(SORVANE_VERSION_TEXT "${sorvane_major}.${sorvane_minor}.${sorvane_revision}")
string(REPLACE . , SORVANE_VERSION_COMMAS ${SORVANE_VERSION})
unset(sorvane_major)
unset(sorvane_minor)
unset(sorvane_revision)
