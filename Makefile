# The front door: every target installs what it needs, then drives the CMake presets.

BUILD_PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libvulkan-dev \
                  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
                  libgtest-dev libbenchmark-dev fonts-liberation libgif-dev qt6-multimedia-dev
TEST_PACKAGES  := qt6-base-private-dev xvfb xauth xdotool x11-utils python3 clang libclang-rt-14-dev \
                  desktop-file-utils appstream file imagemagick fonts-dejavu-core \
                  shared-mime-info libglib2.0-bin python3-pyatspi at-spi2-core dbus-daemon \
                  pulseaudio pulseaudio-utils
LINT_PACKAGES  := clang-format clang-tidy
ORCA_PACKAGES  := orca openbox
# What building and checking the Debian package needs: its Build-Depends, the Debian tools,
# and the validators and virtual X server its test uses.
PACKAGE_PACKAGES := debhelper dpkg-dev cmake ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools \
                    libgif-dev qt6-multimedia-dev \
                    lintian \
                    desktop-file-utils appstream xvfb xauth xdotool x11-utils

.PHONY: all deps test-deps build run install package package-test orca-test test test-dev test-asan fuzz \
        memcheck bench soak measure format lint clean

all: build

deps:
	@tools/install-deps $(BUILD_PACKAGES)

test-deps:
	@tools/install-deps $(BUILD_PACKAGES) $(TEST_PACKAGES)

build: deps
	cmake --preset dev
	cmake --build --preset dev

PREFIX ?= /usr/local

# A Release build installed under PREFIX; DESTDIR, if set, is put in front as usual.
install: deps
	cmake --preset release
	cmake --build --preset release --target game-of-quarn
	cmake --install build/release --prefix $(PREFIX)

run: build
	build/dev/app/game-of-quarn

# The Debian binary package, built in a copy of the tree, left as build/game-of-quarn_*.deb.
package:
	@tools/install-deps $(PACKAGE_PACKAGES)
	tools/build-package

# Builds the package, unpacks it and checks what it holds (a few minutes: a Release build of its
# own); CI runs it after make test.
package-test: test-deps
	@tools/install-deps $(PACKAGE_PACKAGES)
	cmake --preset dev
	ctest --preset package

# What the screen reader Orca says as a player uses the board, heard from the real Orca (a
# minute or so); CI runs it after make test.
orca-test: test-deps
	@tools/install-deps $(ORCA_PACKAGES)
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset orca

# Every test twice: a Debug build, then the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, which also runs the fuzz target briefly.
test: test-dev test-asan

test-dev: test-deps
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

test-asan: test-deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# Fuzzes the engine (FUZZ=board), the pattern reader (FUZZ=pattern) or the census (FUZZ=census)
# until stopped, keeping what it finds in build/asan/fuzz/<fuzzer>-found.
FUZZ ?= board
fuzz: test-deps
	cmake --preset asan
	cmake --build --preset asan --target $(FUZZ)_fuzzer
	mkdir -p build/asan/fuzz/$(FUZZ)_fuzzer-found
	build/asan/fuzz/$(FUZZ)_fuzzer -max_len=4096 -rss_limit_mb=1024 \
		build/asan/fuzz/$(FUZZ)_fuzzer-found fuzz/$(FUZZ)_corpus

# The engine's tests under Valgrind's memcheck; any error fails the target.
memcheck: deps
	@tools/install-deps valgrind
	cmake --preset dev
	cmake --build --preset dev --target board_test board_model_test
	for test in board_test board_model_test; do \
		valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
			build/dev/tests/$$test --gtest_brief=1 || exit 1; \
	done

# On a virtual X server, as the program runs, so that a redraw costs its trip to the X server
# too; repetitions interleaved, as this machine's speed drifts. BENCH_PLATFORM=offscreen times
# the drawing alone.
BENCH_PLATFORM ?= xcb
bench: test-deps
	cmake --preset release
	cmake --build --preset release --target quarn-bench quarn-sound-output
	QT_QPA_PLATFORM=$(BENCH_PLATFORM) tools/with-null-sink xvfb-run -a -s "-screen 0 1024x768x24" \
		build/release/bench/quarn-bench --benchmark_repetitions=5 \
		--benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true

# A million generations with full redraws, reporting resident memory (about five minutes).
soak: deps
	cmake --preset release
	cmake --build --preset release --target quarn-soak
	build/release/bench/quarn-soak 1000000

# The real program on a virtual X server: start-up time, CPU, memory and run cadence;
# MEASURE_ARGS="--sound-minutes 10" compares the memory of a long run with sound and without.
measure: test-deps
	cmake --preset release
	cmake --build --preset release --target game-of-quarn quarn-cadence quarn-sound-output
	tools/with-null-sink xvfb-run -a -s "-screen 0 1024x768x24" tools/measure $(MEASURE_ARGS)

format:
	@tools/install-deps $(LINT_PACKAGES)
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-tidy over every source file, with the compile commands of the Debug build (the fuzz
# target's come from the sanitizer build, the only one that has it), then checks that the tree
# is clang-formatted, that the translations are complete and up to date with the code, and that
# the features keep out of the window. Any finding fails.
lint: test-deps
	@tools/install-deps $(LINT_PACKAGES)
	cmake --preset dev
	cmake --build --preset dev
	cmake --preset asan
	git ls-files 'board/*.cpp' 'pattern/*.cpp' 'census/*.cpp' 'geometry/*.cpp' 'run/*.cpp' 'features/*.cpp' 'translations/*.cpp' \
		'display/*.cpp' 'app/*.cpp' 'bench/*.cpp' 'tests/*.cpp' | xargs -P 2 -n 4 clang-tidy -p build/dev --quiet
	git ls-files 'fuzz/*.cpp' | xargs clang-tidy -p build/asan --quiet
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	@# Every string of the code in every language, translated.
	tools/check-translations build/dev
	@# The features speak to the window only by signals: they include nothing of it.
	@! git grep -n '#include "display/' -- features/ || { echo "features/ includes display/"; exit 1; }

clean:
	rm -rf build
