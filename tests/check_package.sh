#!/usr/bin/env bash
# Lists the files of the Debian package scripts/package.sh built and checks that
# it holds everything a desktop needs, and that lintian (when installed) finds no
# error in it. Skipped (77) when no package was built.
set -euo pipefail
package=$(ls "$1"/build/release/gaugewright_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$package" ]; then
  echo "no package: scripts/package.sh builds it"
  exit 77
fi
contents=$(dpkg-deb -c "$package" | awk '{print $6}')
status=0
for file in ./usr/bin/gaugewright ./usr/bin/gaugewright-cli \
  ./usr/share/gaugewright/Classyrd.mst ./usr/share/gaugewright/ExtMFile.mst \
  ./usr/share/gaugewright/gaugetip.mst ./usr/share/gaugewright/GAUGEWRT.WAV \
  ./usr/share/gaugewright/gaugewright-help.html \
  ./usr/share/gaugewright/manual/index.html ./usr/share/gaugewright/manual/getting-started.html \
  ./usr/share/gaugewright/manual/style.css \
  ./usr/share/applications/gaugewright.desktop \
  ./usr/share/mime/packages/gaugewright-inventory.xml \
  ./usr/share/icons/hicolor/scalable/apps/gaugewright.svg \
  ./usr/share/metainfo/works.larkmoor.Gaugewright.metainfo.xml \
  ./usr/share/man/man1/gaugewright.1.gz ./usr/share/man/man1/gaugewright-cli.1.gz \
  ./usr/share/man/de/man1/gaugewright.1.gz ./usr/share/man/fr/man1/gaugewright-cli.1.gz \
  ./usr/share/gaugewright/translations/gaugewright_de.qm \
  ./usr/share/gaugewright/translations/gaugewright_fr.qm \
  ./usr/share/doc/gaugewright/copyright ./usr/share/doc/gaugewright/changelog.gz; do
  if ! grep -qx -- "$file" <<<"$contents"; then
    echo "missing from $package: $file"
    status=1
  fi
done
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6svg6 qt6-translations-l10n libzip4 libc6; do
  if [[ "$depends" != *"$library"* ]]; then
    echo "Depends lacks $library: $depends"
    status=1
  fi
done
if command -v lintian >/dev/null 2>&1; then
  # Warnings are listed; errors fail the test.
  if ! lintian --fail-on error --allow-root --tag-display-limit 0 "$package"; then
    echo "lintian found errors in $package"
    status=1
  fi
else
  echo "lintian is not installed: the package's policy check is left out"
fi
exit $status
