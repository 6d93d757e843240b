#!/usr/bin/env bash
# Installs the Debian packages a command of the project needs, when any of them is missing:
#   scripts/install-deps.sh build   the engine and the orvane command (compiler, make, cmake, and
#                                   the JSON library of the command's results file)
#   scripts/install-deps.sh python  also what the Python package under python/ needs (pandas,
#                                   tqdm, matplotlib, dask.distributed) and what installs it
#                                   into a virtual environment without a download (setuptools, venv)
#   scripts/install-deps.sh test    also GoogleTest and GoogleMock for the test suite, the JSON
#                                   Schema validator and the SVG renderer the results tests use,
#                                   Chromium, the PDF tools and the DejaVu fonts with which they
#                                   print the HTML report, and the Python package's needs with
#                                   pytest for its tests
#   scripts/install-deps.sh web     also what builds and tests the web app (scripts/build-web.sh,
#                                   tests/web): emscripten, headless Chromium with its driver,
#                                   Selenium for Python, pytest, and a font for the page's figures
#   scripts/install-deps.sh ci      also clang with its sanitizer and fuzzer runtimes, and Google
#                                   Benchmark, and the web app's packages, for everything .ci/run
#                                   and bench/ use
set -euo pipefail
level=${1:-build}
packages=(g++ make cmake nlohmann-json3-dev)
web_packages=(emscripten chromium chromium-driver python3-selenium python3-pytest fonts-dejavu-core)
python_packages=(python3-pandas python3-tqdm python3-matplotlib python3-dask python3-distributed
                 python3-setuptools python3-venv)
case "$level" in
  build) ;;
  python) packages+=("${python_packages[@]}") ;;
  test) packages+=(libgtest-dev libgmock-dev python3-jsonschema librsvg2-bin chromium poppler-utils fonts-dejavu-core
                  "${python_packages[@]}" python3-pytest) ;;
  web) packages+=("${web_packages[@]}") ;;
  ci) packages+=(libgtest-dev libgmock-dev python3-jsonschema librsvg2-bin chromium poppler-utils fonts-dejavu-core
                 "${python_packages[@]}" python3-pytest libbenchmark-dev clang libclang-rt-14-dev "${web_packages[@]}") ;;
  *) echo "usage: scripts/install-deps.sh [build|python|test|web|ci]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
