#!/usr/bin/env bash
# Remakes the README's screenshots (docs/screenshots) and the manual's pictures
# (docs/manual/pictures) from the widget tests, which draw every window on the
# offscreen platform; all their pictures go to build/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
rm -rf build/screenshots
GAUGEWRIGHT_SCREENSHOTS="$PWD/build/screenshots" ctest --preset ci -R '^ui_' >/dev/null
mkdir -p docs/screenshots
for picture in MainWindow.png ClassificationWizard-first.png ManufacturerSheet.png \
  QuickFacts-bars.png QuickFacts-pie.png TreeAndList.png; do
  cp "build/screenshots/$picture" docs/screenshots/
done
# A page of the sample's insurance report, as the program prints it.
build/ci/ui/gaugewright --data-dir build/ci/data --insurance-pdf build/screenshots/InsuranceReport.pdf \
  --owner "A. Collector" data/Sample.inv
pdftoppm -r 70 -png -f 3 -l 3 -singlefile build/screenshots/InsuranceReport.pdf \
  docs/screenshots/InsuranceReport
cp docs/screenshots/InsuranceReport.png build/screenshots/InsuranceReport-page.png
# The first page of the sample's printed report, for the manual.
build/ci/ui/gaugewright --data-dir build/ci/data --print-pdf build/screenshots/Report.pdf data/Sample.inv
pdftoppm -r 70 -png -f 1 -l 1 -singlefile build/screenshots/Report.pdf build/screenshots/PrintedReport-page
ls docs/screenshots
# Every picture a page of the manual shows, by the name the tests give it.
mkdir -p docs/manual/pictures
missing=0
for picture in $(grep -oh 'src="pictures/[^"]*"' docs/manual/*.html | sed 's/src="pictures\///; s/"$//' | sort -u); do
  if [[ -f build/screenshots/$picture ]]; then
    cp "build/screenshots/$picture" docs/manual/pictures/
  else
    echo "no test draws $picture, which the manual shows" >&2
    missing=1
  fi
done
exit $missing
