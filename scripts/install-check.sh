#!/usr/bin/env bash
# Builds the two programs in a release build, installs them with everything a desktop needs into
# build-release/staging, and checks the result: every installed file, the installed command line
# at work, and the desktop entry and AppStream metadata through their validators.
# For CI (as root or with sudo) on a fresh clone; VELMORA_JOBS sets the compile jobs (default:
# the number of processors).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh desktop-file-utils appstream

# The "release" preset: build-release/, Release, the two programs only, no tests.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake --preset release -DVELMORA_BUILD_UI=ON "${launcher[@]}"
cmake --build --preset release --parallel "${VELMORA_JOBS:-$(nproc)}"

stage=$PWD/build-release/staging
rm -rf "$stage"
cmake --install build-release --prefix "$stage"

failures=0
fail() {
    echo "install-check: $*" >&2
    failures=$((failures + 1))
}

id=example.velmora.SudokuVelmora
doc=share/doc/sudoku-velmora
expected=(
    bin/sudoku-velmora
    bin/sudoku-velmora-cli
    "share/applications/$id.desktop"
    "share/icons/hicolor/scalable/apps/$id.svg"
    "share/metainfo/$id.metainfo.xml"
    "share/mime/packages/$id.xml"
    "$doc/README.md"
    "$doc/examples/puzzles-3x3.txt"
)
for px in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${px}x${px}/apps/$id.png")
done
for f in "${expected[@]}"; do
    [ -s "$stage/$f" ] || fail "missing $f"
done
for program in sudoku-velmora sudoku-velmora-cli; do
    [ -x "$stage/bin/$program" ] || fail "bin/$program is not executable"
    # Debian wants the pages compressed; where gzip was missing they are installed plain.
    page=$stage/share/man/man1/$program.1
    if [ -s "$page.gz" ]; then
        gzip -t "$page.gz" || fail "$page.gz is not a valid gzip file"
    elif [ ! -s "$page" ]; then
        fail "missing share/man/man1/$program.1(.gz)"
    fi
done

# Each PNG must hold the size its folder names (width and height from the IHDR chunk).
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for px in 16 32 48 64 128 256; do
    png=$stage/share/icons/hicolor/${px}x${px}/apps/$id.png
    [ -s "$png" ] || continue
    size=$(png_size "$png")
    [ "$size" = "${px}x${px}" ] || fail "$png is $size, not ${px}x${px}"
done

# The installed command line on the installed examples: one answer per puzzle, none an error.
examples=$stage/$doc/examples/puzzles-3x3.txt
if [ -s "$examples" ]; then
    if answers=$("$stage/bin/sudoku-velmora-cli" solve "$examples"); then
        puzzles=$(grep -cv -e '^#' -e '^[[:space:]]*$' "$examples" || true)
        solved=$(grep -cP '^\S+\t(solved|unsolvable|undecided|gave-up)$' <<<"$answers" || true)
        [ "$solved" -eq "$puzzles" ] ||
            fail "solve answered $solved of $puzzles example puzzles: $answers"
    else
        fail "sudoku-velmora-cli solve failed on $examples"
    fi
fi
"$stage/bin/sudoku-velmora-cli" --help >/dev/null || fail "sudoku-velmora-cli --help failed"
# Both programs answer --version without a display, with the version the build was given.
version=$(sed -n 's/^set(VELMORA_VERSION "\(.*\)")$/\1/p' CMakeLists.txt)
for program in sudoku-velmora sudoku-velmora-cli; do
    said=$("$stage/bin/$program" --version 2>&1) || true
    [ "$said" = "$program $version" ] || fail "$program --version says '$said', not $version"
done

# Validators: any error or warning fails; AppStream's infos and pedantic notes do not.
desktop=$stage/share/applications/$id.desktop
if [ -s "$desktop" ]; then
    if ! report=$(desktop-file-validate "$desktop" 2>&1) || grep -qE '(error|warning):' <<<"$report"
    then
        fail "desktop-file-validate: $report"
    fi
fi
metainfo=$stage/share/metainfo/$id.metainfo.xml
if [ -s "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"
fi

if [ "$failures" -ne 0 ]; then
    echo "install-check: $failures problem(s)" >&2
    exit 1
fi
echo "install-check: all installed files present and valid in $stage"
