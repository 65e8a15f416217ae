# Set-up, build and test entry points. Each target first makes sure the
# Debian packages it needs are installed (apt-get when run as root;
# otherwise it names the missing packages and stops).

PACKAGES      := g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev libicu-dev libcli11-dev nlohmann-json3-dev
# Bookworm's qt6-charts-dev lacks its dependency on Qt OpenGL's headers, so
# without libqt6opengl6-dev CMake finds no Qt Charts and leaves the plot out.
GUI_PACKAGES  := qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
BENCH_PACKAGES := python3 time
FUZZ_PACKAGES := clang libclang-rt-dev
FORMAT_PACKAGES := clang-format
# What the tests alone need: the Dask test runs on Python's distributed.
TEST_PACKAGES := python3-distributed
JOBS          ?= $(shell nproc)
FUZZ_SECONDS  ?= 60
FUZZ_JOBS     ?= 1

.PHONY: all deps test-deps gui-deps build run test test-dev test-asan bench limits fuzz format gui clean

# Said at the end of run and test when the desktop program was left out, so
# the reason does not scroll away with CMake's status line.
define gui-notice
	@dpkg-query -W -f='$${Status}' qt6-base-dev 2>/dev/null | grep -q 'install ok installed' || printf '%s\n' '' \
	  '*** The desktop program (zet) is SKIPPED: Qt 6 Widgets is not installed.' \
	  '*** Everything else is built. To get it, install $(GUI_PACKAGES)' \
	  '*** (as root: apt-get install $(GUI_PACKAGES)) and run this command again.'
endef

all: build

deps:
	@scripts/ensure-packages.sh $(PACKAGES)

test-deps:
	@scripts/ensure-packages.sh $(TEST_PACKAGES)

gui-deps:
	@scripts/ensure-packages.sh $(GUI_PACKAGES) || echo "note: without $(GUI_PACKAGES) the desktop program will be skipped"

build: deps gui-deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

# Builds only what it runs, so the first list comes in a minute.
run: deps gui-deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS) --target zet-count
	build/dev/bin/zet-count data/sample.txt
	$(gui-notice)

test: deps gui-deps test-deps test-dev test-asan
	$(gui-notice)

test-dev:
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev -j $(JOBS)

test-asan:
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: deps
	@scripts/ensure-packages.sh $(BENCH_PACKAGES)
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	bench/run-bench.sh build/release

# The limits of one count (a 5 GB text, a 1 GB line, ten million different
# words) and hostile texts at two sizes; see docs/limits.md. Needs about
# 6.5 GB of free disk and several minutes.
limits: deps
	@scripts/ensure-packages.sh $(BENCH_PACKAGES)
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	bench/huge-inputs.sh build/release
	bench/hostile-text.sh build/release

# Builds the fuzz targets (clang, libFuzzer, sanitizers) and runs each for
# FUZZ_SECONDS seconds, FUZZ_JOBS at a time (scripts/run-fuzz.sh).
fuzz: deps
	@scripts/ensure-packages.sh $(FUZZ_PACKAGES)
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_JOBS=$(FUZZ_JOBS) scripts/run-fuzz.sh

# Lays out every C++ file of the tree as .clang-format says.
format:
	@scripts/ensure-packages.sh $(FORMAT_PACKAGES)
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

gui: build
	@test -x build/dev/bin/zet || { echo "zet was not built: Qt 6 Widgets is missing (see make gui-deps)"; exit 1; }
	build/dev/bin/zet

clean:
	rm -rf build
