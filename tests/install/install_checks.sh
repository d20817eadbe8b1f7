#!/usr/bin/env bash
# Checks of the Linux installation, run by CTest (label install):
#   install_checks.sh install BUILD_DIR WORK   cmake --install into WORK/prefix; every file there
#   install_checks.sh desktop WORK             the installed desktop entry passes desktop-file-validate
#   install_checks.sh mime WORK SCENE          after installing the MIME type into a temporary XDG
#                                              data folder, scene files are recognised by name and
#                                              by their first marker line
#   install_checks.sh deb BUILD_DIR WORK       cpack -G DEB builds a package with the programs
set -euo pipefail
step=$1
shift

fail() { echo "install_checks: $*" >&2; exit 1; }

case "$step" in
  install)
    build=$1 work=$2
    rm -rf "$work"
    mkdir -p "$work"
    cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
    for f in bin/orvanta bin/orvanta-cli share/applications/orvanta.desktop \
             share/icons/hicolor/256x256/apps/orvanta.png share/icons/hicolor/48x48/apps/orvanta.png \
             share/mime/packages/orvanta-scene.xml share/doc/orvanta/manual/de/index.html \
             share/doc/orvanta/manual/en/index.html share/man/man1/orvanta-cli.1 \
             share/man/man1/orvanta.1 share/orvanta/defaults.ini; do
      [ -s "$work/prefix/$f" ] || fail "cmake --install did not install $f"
    done
    [ -x "$work/prefix/bin/orvanta-cli" ] || fail "orvanta-cli is not executable"
    ASAN_OPTIONS=detect_leaks=0 "$work/prefix/bin/orvanta-cli" --help >/dev/null ||
      fail "the installed orvanta-cli does not run"
    echo "installed into $work/prefix"
    ;;
  desktop)
    work=$1
    desktop-file-validate "$work/prefix/share/applications/orvanta.desktop"
    grep -q '^MimeType=application/x-orvanta-scene;$' "$work/prefix/share/applications/orvanta.desktop" ||
      fail "the desktop entry does not open scene files"
    echo "desktop entry valid"
    ;;
  mime)
    work=$1 scene=$2
    export XDG_DATA_HOME="$work/xdg-data" XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP=X-Generic
    rm -rf "$XDG_DATA_HOME"
    mkdir -p "$XDG_DATA_HOME"
    xdg-mime install --mode user "$work/prefix/share/mime/packages/orvanta-scene.xml"
    mkdir -p "$work/files"
    cp "$scene" "$work/files/scene.om"
    cp "$scene" "$work/files/scene-without-extension"
    for f in scene.om scene-without-extension; do
      type=$(xdg-mime query filetype "$work/files/$f")
      [ "$type" = application/x-orvanta-scene ] || fail "$f is taken as '$type'"
    done
    echo "scene files recognised"
    ;;
  deb)
    build=$1 work=$2
    rm -rf "$work"
    mkdir -p "$work"
    (cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log") ||
      { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
    deb=$(ls "$work"/package/orvanta_*.deb)
    contents=$(dpkg-deb -c "$deb")
    for f in ./usr/bin/orvanta ./usr/bin/orvanta-cli ./usr/share/applications/orvanta.desktop \
             ./usr/share/mime/packages/orvanta-scene.xml ./usr/share/man/man1/orvanta-cli.1; do
      grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
    done
    dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
    echo "built $(basename "$deb")"
    ;;
  *)
    fail "unknown step $step"
    ;;
esac
