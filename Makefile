# Set-up, build and checks of Sobrimetre. `make run` and `make test` install what is missing first.

# The folders of the presets in CMakePresets.json, and of the plain build (no preset).
BUILD      := build
BUILD_RUN  := build-run
BUILD_SAN  := build-sanitize
BUILD_FUZZ := build-fuzz
BUILD_LINT := build-lint
BUILD_PLAIN := build-plain
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

# Debian packages needed to build, test, benchmark and fuzz: ICU for the text questions, Qt's
# French texts, the virtual display, D-Bus session and accessibility bus that the screen-reader
# test runs with, the poppler tools that read a printed page, and the X extensions through which
# the latency benchmark presses keys and sees a window redraw.
PACKAGES := cmake ninja-build make g++ clang libclang-rt-14-dev libicu-dev qt6-base-dev \
            qt6-svg-dev qt6-qpa-plugins libqt6svg6 fonts-liberation qt6-translations-l10n libx11-dev \
            libxtst-dev libxdamage-dev libbenchmark-dev clang-format clang-tidy xvfb xauth dbus \
            at-spi2-core poppler-utils
# Xvfb, xdotool and xprop to drive the program, a CUPS scheduler with the cups-pdf printer (and
# the poppler tools that read what it printed), /usr/bin/time and pkg-config for the start
# benchmark; weston's headless compositor, Qt's Wayland plugin, and a session bus with the
# accessibility registry through which the run presses the program's buttons under Wayland; and
# Orca, the screen reader, whose speech the run reads (a test tool only: the package does not
# need it).
E2E_PACKAGES := xvfb xdotool x11-utils cups cups-client printer-driver-cups-pdf ghostscript \
                poppler-utils time pkg-config weston qt6-wayland dbus-daemon at-spi2-core \
                python3-gi gir1.2-atspi-2.0 orca
# dpkg-shlibdeps for the package's dependencies, Debian's checkers of a package, a menu entry and
# AppStream data, and AppStream's library, which reads the content rating as a software store does.
PACKAGE_PACKAGES := dpkg-dev lintian desktop-file-utils appstream python3-gi gir1.2-appstream-1.0
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Installs those of the given Debian packages that are missing.
define install-missing
@missing=$$(for p in $(1); do \
    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
done); \
if [ -n "$$missing" ]; then \
    echo "Installing:" $$missing; \
    $(SUDO) apt-get update -qq && \
    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
fi
endef

.PHONY: deps deps-e2e deps-package build run test test-sanitize test-plain e2e stress bench bench-start \
        bench-latency fuzz screenshots format lint package check-package clean

deps:
	$(call install-missing,$(PACKAGES))

# The real display, the printer and the measuring tools of `make e2e` and `make bench-start`.
deps-e2e:
	$(call install-missing,$(E2E_PACKAGES))

deps-package:
	$(call install-missing,$(PACKAGE_PACKAGES))

# The program and its tests, quietly: only warnings and errors are shown. The other programs
# (benchmarks, screenshots, the end-to-end tools) are built by the targets that run them.
build: deps
	@cmake --preset default > /dev/null
	@echo "Building the program and its tests in $(BUILD)/"
	@cmake --build --preset default -j $(JOBS) -- --quiet

# Builds the given CMake targets of the default build, quietly.
define build-targets
@cmake --build --preset default -j $(JOBS) --target $(1) -- --quiet
endef

# The program alone, in a build of its own whose warnings never stop it: the person who runs it
# may have a newer compiler than ours. The checks below build with warnings as errors.
run: deps
	@cmake --preset run > /dev/null
	@echo "Building the program in $(BUILD_RUN)/"
	@cmake --build --preset run -j $(JOBS) -- --quiet
	cd $(BUILD_RUN) && ./src/app/sobrimetre

test: build
	ctest --preset default -j $(JOBS)

test-sanitize: deps
	@cmake --preset sanitize > /dev/null
	@echo "Building the tests under the sanitizers in $(BUILD_SAN)/"
	@cmake --build --preset sanitize -j $(JOBS) -- --quiet
	ctest --preset sanitize -j $(JOBS)

# The program and its tests built as a Debian packager builds them: no preset, the default
# generator, no unity build, Release, and Debian's own flags from dpkg-buildflags with all its
# hardening (_FORTIFY_SOURCE, stack protector, read-only relocations bound at start). CMake reads
# CXXFLAGS and LDFLAGS from the environment at a fresh configure, but not CPPFLAGS: the
# preprocessor's flags join CXXFLAGS. The compiler's warnings are shown (make's progress is not),
# and never stop this build.
test-plain: deps
	$(call install-missing,dpkg-dev)
	@mkdir -p $(BUILD_PLAIN)
	@echo "Building the program and its tests in $(BUILD_PLAIN)/ with Debian's flags"
	@eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	    export CXXFLAGS="$$CXXFLAGS $$CPPFLAGS" && \
	    cmake --fresh -S . -B $(BUILD_PLAIN) -DCMAKE_BUILD_TYPE=Release > $(BUILD_PLAIN)/configure.log 2>&1 \
	    || { cat $(BUILD_PLAIN)/configure.log; exit 1; }
	@cmake --build $(BUILD_PLAIN) -j $(JOBS) > $(BUILD_PLAIN)/build.log 2>&1 \
	    || { cat $(BUILD_PLAIN)/build.log; exit 1; }
	@grep -v -e '^\[ *[0-9]*%\] ' -e '^g\?make\[[0-9]*\]: ' $(BUILD_PLAIN)/build.log || true
	ctest --test-dir $(BUILD_PLAIN) -j $(JOBS) --output-on-failure

# Drives the program on a virtual X display and a PDF printer as a person would, then starts it
# natively under a headless Wayland compositor, then has Orca read it while a person types.
e2e: build deps-e2e
	$(call build-targets,e2e_tools)
	bash tests/e2e/run.sh $(BUILD)
	bash tests/e2e/wayland.sh $(BUILD)
	bash tests/e2e/orca.sh $(BUILD)

# Another user swaps links under the save for 20 seconds (RACE_SECONDS=n to change), as root
# acting as two users; fails on any change to the victim's files.
stress: build
	$(call build-targets,stress_tools)
	bash tests/e2e/link_race.sh $(BUILD)

bench: build
	$(call build-targets,benchmarks)
	@for b in $(BUILD)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	    QT_QPA_PLATFORM=offscreen "$$b" || exit 1; \
	done

# Start time and memory of the program next to a minimal Qt program, under Xvfb.
bench-start: build deps-e2e
	bash bench/start_time.sh $(BUILD)/src/app/sobrimetre

# Key press to the next redraw of the program's main window next to a bare Qt window, under Xvfb.
bench-latency: build
	$(call build-targets,latency_tools)
	bash bench/key_latency.sh $(BUILD)

# Each fuzz_<name> grows its corpus in $(BUILD_FUZZ)/corpus/fuzz_<name>. It also starts from
# fuzz/seeds/fuzz_<name>/ and mutates with the pieces of fuzz/fuzz_<name>.dict when they exist;
# libFuzzer writes only to the first corpus folder, so the seeds stay as they are. The paths are
# absolute, and a failing input lands in $(BUILD_FUZZ)/, even for a target that changes folder.
# A run that waits 10 seconds on one input is a finding: nothing the targets call may block.
# fuzz_engine then reads texts of up to a megabyte for a third of that time, starting from two
# such texts (a million zeros undone by their exponent, 100 000 zeros after the point) and its
# usual corpus, so that its reference reading is checked against exponents and mantissas of any
# length. Those long texts grow a corpus of their own, which the usual runs do not read: they
# keep to short texts, and their speed.
fuzz: deps
	cmake --preset fuzz > /dev/null
	cmake --build --preset fuzz -j $(JOBS)
	@for f in $(CURDIR)/$(BUILD_FUZZ)/fuzz/fuzz_*; do [ -f "$$f" ] && [ -x "$$f" ] || continue; \
	    name=$$(basename $$f); seeds=$(CURDIR)/fuzz/seeds/$$name; dict=$(CURDIR)/fuzz/$$name.dict; \
	    corpus=$(CURDIR)/$(BUILD_FUZZ)/corpus/$$name; \
	    echo "== $$name ($(FUZZ_SECONDS) s)"; \
	    mkdir -p $$corpus; \
	    $$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	        -artifact_prefix=$(CURDIR)/$(BUILD_FUZZ)/$$name- $$([ -f $$dict ] && echo -dict=$$dict) \
	        $$corpus $$([ -d $$seeds ] && echo $$seeds) || exit 1; \
	done
	@long=$(CURDIR)/$(BUILD_FUZZ)/long-seeds; mkdir -p $$long $(CURDIR)/$(BUILD_FUZZ)/corpus/fuzz_engine-long; \
	{ printf 1; head -c 1000000 /dev/zero | tr '\0' 0; printf 'e-1000000'; } > $$long/million-zeros; \
	{ printf 0.; head -c 100000 /dev/zero | tr '\0' 0; printf '1e1000000'; } > $$long/fraction; \
	echo "== fuzz_engine on texts of up to a megabyte ($$(( ($(FUZZ_SECONDS) + 2) / 3 )) s)"; \
	$(CURDIR)/$(BUILD_FUZZ)/fuzz/fuzz_engine -max_total_time=$$(( ($(FUZZ_SECONDS) + 2) / 3 )) \
	    -timeout=10 -max_len=1048576 -print_final_stats=1 \
	    -artifact_prefix=$(CURDIR)/$(BUILD_FUZZ)/fuzz_engine-long- -dict=$(CURDIR)/fuzz/fuzz_engine.dict \
	    $(CURDIR)/$(BUILD_FUZZ)/corpus/fuzz_engine-long $$long $(CURDIR)/$(BUILD_FUZZ)/corpus/fuzz_engine

# Every window at scale 1 and 2, and at scale 1 under a dark desktop palette (dark-1x); the
# printed pages as PDF files, with a picture of each at scale 1.
# They run with a private runtime folder of their own, which Qt asks for.
screenshots: build
	$(call build-targets,screenshot_programs)
	@mkdir -p -m 700 $(BUILD)/runtime
	@export XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD)/runtime; \
	for s in $(BUILD)/tests/screenshots_*; do [ -f "$$s" ] && [ -x "$$s" ] || continue; for k in 1 2; do \
	    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$$k $$s $(BUILD)/screenshots/$${k}x || exit 1; \
	done; QT_QPA_PLATFORM=offscreen $$s $(BUILD)/screenshots/dark-1x dark || exit 1; \
	done; for pdf in $(BUILD)/screenshots/1x/*.pdf; do [ -f "$$pdf" ] || continue; \
	    pdftoppm -r 60 -png -singlefile "$$pdf" "$${pdf%.pdf}"; \
	done; echo "Screenshots in $(BUILD)/screenshots/"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-tidy reads the compile commands of a build of its own, one per source, without the
# default build's unity sources and precompiled headers. It counts the warnings it hides in Qt's
# headers; only its findings are shown.
lint: deps
	@cmake --preset lint > /dev/null
	@bash -o pipefail -c "git ls-files 'src/*.cpp' | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD_LINT) --quiet 2>&1 \
	    | { grep -v '^[0-9]* warnings\? generated\.$$' || true; }"
	@echo "clang-tidy: no findings"


package: build deps-package
	@cmake --build $(BUILD) --target package > $(BUILD)/package.log 2>&1 || { cat $(BUILD)/package.log; exit 1; }
	@echo "Package: $$(ls $(BUILD)/sobrimetre_*.deb)"

# Debian's checkers on the package, its menu entry and its AppStream data, and a start from the
# menu entry in the files of the package.
check-package: package
	bash tests/e2e/package.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_RUN) $(BUILD_SAN) $(BUILD_FUZZ) $(BUILD_LINT) $(BUILD_PLAIN)
