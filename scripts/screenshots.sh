#!/usr/bin/env bash
# Makes the README's pictures of the four windows, docs/*.png, from the real
# windows: the settings, skin, colour and brightness window tests show them
# under Wine in Xvfb and save each as a BMP in build/<preset>/screenshots, which
# ImageMagick turns into PNG without dates, so the same windows give the same
# files. Runs the build this host runs (see scripts/wine_env.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine_env.sh
preset=$KALEIDRA_WIN
echo "== the windows are shown by the $preset build ($KALEIDRA_WIN_WHY)"
bash scripts/build.sh "$preset" test_settings test_skins test_colors

shots=build/$preset/screenshots
logs=build/$preset/logs
rm -rf "$shots"
mkdir -p "$shots" "$logs" docs
trap wine_stop EXIT
wine_start
for run in test_settings:SettingsFormTest.ScreenshotsOfTheFourPages \
  test_skins:SkinWindowTest.Screenshots test_colors:SelectionWindow.Screenshots; do
  program=${run%%:*}
  log=$logs/screenshots_$program.txt
  "$WINE" "build/$preset/bin/$program.exe" --gtest_filter="${run#*:}" >"$log" 2>&1 ||
    { cat "$log"; exit 1; }
  # A test that skipped (no real windows) saved nothing: that is a failure here.
  grep -q '^\[  PASSED  \] 1 test' "$log" || { cat "$log"; exit 1; }
done
wine_end

# The picture each window test saved, and its name beside the README.
for pair in settings_1_RunParam:settings_window skins_1_preview_and_selection:skin_selection \
  colour_list:colour_selection brightness_list:brightness_selection; do
  bmp=$shots/${pair%%:*}.bmp
  png=docs/${pair#*:}.png
  [ -s "$bmp" ] || { echo "screenshots: $bmp was not saved" >&2; exit 1; }
  convert "$bmp" -strip -define png:exclude-chunks=date,time "$png"
  echo "$png: $(identify -format '%w x %h' "$png")"
done
