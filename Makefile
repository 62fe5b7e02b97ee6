# RX-907: the two commands are `make run` and `make test`.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2
# ccache keys paths relative to the checkout, so every clone and work tree
# of the project reuses the objects another one compiled.
export CCACHE_BASEDIR ?= $(CURDIR)
# The sanitizer build keeps line tables (-g1); without this, ccache would key
# those objects by the checkout's folder too, and no other clone could reuse
# them.
export CCACHE_NOHASHDIR ?= 1

.PHONY: all deps test-deps configure game build test test-meta test-asan test-window test-wayland test-package package run bench shots clean \
  suites-chain desktop-chain run-ctest run-window run-asan run-package run-package-build

all: build

# What building and running the game need; testing adds its own set.
deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --test

configure:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

# The game alone (with its content), for make run.
game: deps configure
	@cmake --build $(BUILD) -j$(JOBS) --target rx907

# Everything: the game, its tools, the tests and the benchmarks.
build: test-deps configure
	@cmake --build $(BUILD) -j$(JOBS)

# The meta tests first: they read the source tree only, so they build in
# seconds and run before any content is generated. Then everything else, in
# two chains side by side: the suites (ctest, then the sanitizer build and
# its run) keep both cores busy, while the window routes and the package
# check mostly wait on real time (a player's pace, Xvfb, lintian's reading),
# so they cost the suites little. Each chain's output is printed whole when
# it ends; `make test-window`, `test-package` and `test-asan` run one alone.
test: test-meta build
	@$(MAKE) --no-print-directory -j2 --output-sync=target suites-chain desktop-chain

test-meta: test-deps configure
	@cmake --build $(BUILD) -j$(JOBS) --target rx907_meta_tests
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS) -L meta

suites-chain:
	@scripts/timed-stage "unit and content tests" $(MAKE) --no-print-directory run-ctest
	@scripts/timed-stage "sanitizer build and suite" $(MAKE) --no-print-directory run-asan

desktop-chain:
	@scripts/timed-stage "window routes" $(MAKE) --no-print-directory run-window
	@scripts/timed-stage "package check" $(MAKE) --no-print-directory run-package

run-ctest:
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS) -LE meta

# The real program in a real X window (a private Xvfb), driven with
# synthetic X input, once per renderer on a bare X server and again under
# two window managers; prints the frames per second.
test-window: build
	@$(MAKE) --no-print-directory run-window

run-window:
	@RX_E2E_PLAY_SECONDS=10 tests/window/window_e2e.sh $(BUILD) default 1280x1024
	@RX_E2E_PLAY_SECONDS=10 tests/window/window_e2e.sh $(BUILD) software 1920x1080
	@RX_E2E_PLAY_SECONDS=10 tests/window/window_e2e.sh $(BUILD) software 1920x1080 openbox
	@RX_E2E_PLAY_SECONDS=10 tests/window/window_e2e.sh $(BUILD) default 1280x1024 fluxbox

# The same route on Wayland: weston on its X11 backend inside a private
# Xvfb. Not part of make test: weston's X11 backend at times takes no
# pointer motion from synthetic X input, so the start-up click can miss.
test-wayland: build
	@tests/window/wayland_e2e.sh $(BUILD) software

# The suite again under AddressSanitizer and UBSan, in its own build
# directory, with the content taken from the normal build. Line tables
# (-g1) are all a sanitizer's report needs, and they build and link faster
# than full debug information.
test-asan: build
	@$(MAKE) --no-print-directory run-asan

run-asan:
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DRX_SANITIZE=ON \
	  -DRX_REUSE_BUILD=$(abspath $(BUILD)) >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS) --target rx907_tests
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)

# The Debian package, rx907_<version>_<arch>.deb, from the normal build.
package: build
	@$(MAKE) --no-print-directory run-package-build

run-package-build:
	@rm -f $(BUILD)/package/rx907_*.deb
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@cp $(BUILD)/package/rx907_*.deb .
	@ls rx907_*.deb

# The package built, listed, unpacked and its game started from there;
# lintian and the desktop-entry and AppStream validators.
test-package: build
	@$(MAKE) --no-print-directory run-package

run-package: run-package-build
	@tests/package/package_check.sh $(BUILD)

run: game
	@mkdir -p run/data/music
	@cp -u $(BUILD)/content/data/music/*.ogg run/data/music/ 2>/dev/null || true
	@cd run && ../$(BUILD)/rx907

# Every benchmark, five repetitions each; medians of the CPU time beside the
# budgets in bench/budgets.txt. BENCH_REPS=1 for a quick look.
# Then the demo through a private PulseAudio with both cores busy, for
# PULSE_SECONDS: no gap of digital silence may cut into the sound.
BENCH_REPS ?= 5
PULSE_SECONDS ?= 120
bench: build
	@python3 bench/report.py $(BUILD)/bench $(BENCH_REPS)
	@bench/pulse/pulse_gaps.sh $(BUILD) $(PULSE_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
