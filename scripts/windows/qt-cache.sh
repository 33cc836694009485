# Where the cross-built Qt lives, shared by the scripts of the Windows build
# (sourced, not run). Outside the work tree, so that a fresh clone and a
# second run reuse it; AG_WINDOWS_CACHE moves it.
QT_WINDOWS_VERSION=6.4.2
AG_WINDOWS_CACHE=${AG_WINDOWS_CACHE:-/var/cache/analisi-grammaticale/qt-mingw}
QT_WINDOWS_PREFIX="$AG_WINDOWS_CACHE/qt-$QT_WINDOWS_VERSION-mingw64"
# Written last by build-qt.sh: without it the prefix is not a finished Qt.
QT_WINDOWS_READY="$QT_WINDOWS_PREFIX/.analisi-grammaticale-ready"
