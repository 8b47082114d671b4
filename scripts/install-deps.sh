#!/bin/sh
# Installs the Debian packages that a make target needs, by group:
#   run      build and run the program (make run)
#   test     build and run every test (make build, make test, make asan, make bench, make screenshots)
#   package  build the Debian package and check it (make package, make check-package)
#   fuzz     build and run the fuzz targets with clang (make fuzz)
# Several groups may be given; none means run. Every group beyond run includes run.
# Costs one dpkg query when everything is already present.
set -eu

# lrelease compiles the translations; Qt's own translations serve the standard dialogs. The live
# feed serves with CivetWeb, publishes with libmosquitto and draws its QR code with libqrencode; the help
# viewer draws Windows metafiles with libwmf through Qt SVG. Lot pictures in WebP are read by Qt's
# image-format plugins. The currency board opens the zipped euro reference rates with libzip.
RUN_PACKAGES="g++ make cmake ninja-build qt6-base-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation2 libx11-dev libcsv-dev libcivetweb-dev libmosquitto-dev libqrencode-dev qt6-svg-dev libwmf-dev libzip-dev pkgconf qt6-image-formats-plugins"
# The tests that look where the user looks: a real X server with a window manager, and the
# desktop's accessibility bus read through pyatspi; time zones for the sale journal's clock tests; Orca itself,
# speaking through speech-dispatcher into a file (espeak-ng times each utterance as if it were said). The live
# feed's pages in a real browser (driven over its DevTools socket with Qt WebSockets), its QR code read back by
# zbarimg, a real MQTT broker and its clients, and ss for the ports that are open.
TEST_PACKAGES="tzdata xvfb xauth libxtst-dev xdotool x11-xserver-utils x11-utils openbox desktop-file-utils appstream dbus-daemon at-spi2-core python3-pyatspi poppler-utils orca speech-dispatcher espeak-ng dbus-x11 gsettings-desktop-schemas libglib2.0-bin chromium zbar-tools mosquitto mosquitto-clients qt6-websockets-dev iproute2"
PACKAGE_PACKAGES="dpkg-dev file lintian man-db"
FUZZ_PACKAGES="clang libclang-rt-dev"

wanted="$RUN_PACKAGES"
for group in "$@"; do
    case "$group" in
        run) ;;
        test) wanted="$wanted $TEST_PACKAGES" ;;
        package) wanted="$wanted $PACKAGE_PACKAGES" ;;
        fuzz) wanted="$wanted $FUZZ_PACKAGES" ;;
        *)
            echo "install-deps: unknown group '$group' (run, test, package, fuzz)" >&2
            exit 2
            ;;
    esac
done

# shellcheck disable=SC2086
installed=$(dpkg-query -W -f='${Package} ${Status}\n' $wanted 2>/dev/null || true)
missing=""
for p in $wanted; do
    if ! printf '%s\n' "$installed" | grep -qx "$p install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "install-deps: installing$missing" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq $missing
