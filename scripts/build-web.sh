#!/usr/bin/env bash
# Builds the web app into web/dist/ (or the directory given as the first argument): the engine and
# the command's figure code compiled to WebAssembly with Debian's emscripten (in build-web/), the
# page's HTML, CSS and JavaScript modules, the input format's description, and the bundled
# examples with their list. Serve the result with any static file server:
#   python3 -m http.server -d web/dist
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
dist=${1:-web/dist}
build=build-web
# emscripten's JavaScript optimizer needs Debian's node modules
export NODE_PATH=/usr/share/nodejs
# nlohmann-json is header-only: give emscripten a folder holding it alone, never /usr/include
mkdir -p "$build/include"
ln -sfn /usr/include/nlohmann "$build/include/nlohmann"
emcmake cmake -S . -B "$build" -DORVANE_WEB=ON -DORVANE_TESTS=OFF -DORVANE_WERROR=ON -DCMAKE_BUILD_TYPE=Release \
  -DORVANE_JSON_INCLUDE="$PWD/$build/include" >/dev/null
nice cmake --build "$build" --target orvane_web -j2
rm -rf "$dist"
mkdir -p "$dist/examples"
cp web/src/* "$dist/"
cp "$build/web/wasm/orvane.js" "$build/web/wasm/orvane.wasm" "$dist/"
cp docs/input-format.json "$dist/"
cp examples/*.lp "$dist/examples/"
# the list of bundled examples, by name (the file's stem) and first title line
python3 - "$dist/examples" <<'PY'
import json, pathlib, sys
folder = pathlib.Path(sys.argv[1])
examples = []
for path in sorted(folder.glob("*.lp")):
    lines = path.read_text(errors="replace").splitlines()
    title = lines[lines.index("TITLE") + 1].strip() if "TITLE" in lines else ""
    examples.append({"name": path.stem, "file": path.name, "title": title})
(folder / "index.json").write_text(json.dumps(examples, indent=1) + "\n")
PY
echo "web app in $dist: python3 -m http.server -d $dist"
