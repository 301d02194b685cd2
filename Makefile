# Set-up, build and checks of Sobrimetre. `make run` and `make test` install what is missing first.

# The folders of the presets in CMakePresets.json.
BUILD      := build
BUILD_SAN  := build-sanitize
BUILD_FUZZ := build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

# Debian packages needed to build, test, benchmark and fuzz: Qt's French texts, and the virtual
# display, D-Bus session and accessibility bus that the screen-reader test runs with.
PACKAGES := cmake make g++ clang libclang-rt-14-dev qt6-base-dev qt6-svg-dev qt6-qpa-plugins \
            libqt6svg6 fonts-liberation qt6-translations-l10n libx11-dev libbenchmark-dev \
            clang-format clang-tidy xvfb xauth dbus at-spi2-core
# Xvfb and xdotool to drive the program, a CUPS scheduler with the cups-pdf printer (and the
# poppler tools that read what it printed), /usr/bin/time and pkg-config for the start benchmark.
E2E_PACKAGES := xvfb xdotool cups cups-client printer-driver-cups-pdf ghostscript poppler-utils \
                time pkg-config
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

.PHONY: deps deps-e2e build run test test-sanitize e2e bench bench-start fuzz screenshots format lint \
        package clean

deps:
	$(call install-missing,$(PACKAGES))

# The real display, the printer and the measuring tools of `make e2e` and `make bench-start`.
deps-e2e:
	$(call install-missing,$(E2E_PACKAGES))

build: deps
	cmake --preset default > /dev/null
	cmake --build --preset default -j $(JOBS)

run: build
	cd $(BUILD) && ./src/app/sobrimetre

test: build
	ctest --preset default -j $(JOBS)

test-sanitize: deps
	cmake --preset sanitize > /dev/null
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# Drives the program on a virtual X display and a PDF printer as a person would.
e2e: build deps-e2e
	bash tests/e2e/run.sh $(BUILD)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

# Start time and memory of the program next to a minimal Qt program, under Xvfb.
bench-start: build deps-e2e
	bash bench/start_time.sh $(BUILD)/src/app/sobrimetre

fuzz: deps
	cmake --preset fuzz > /dev/null
	cmake --build --preset fuzz -j $(JOBS)
	@for f in $(BUILD_FUZZ)/fuzz/fuzz_*; do \
	    echo "== $$f ($(FUZZ_SECONDS) s)"; \
	    mkdir -p $(BUILD_FUZZ)/corpus/$$(basename $$f); \
	    $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(BUILD_FUZZ)/corpus/$$(basename $$f) \
	        || exit 1; \
	done

# Every window at scale 1 and 2, and at scale 1 under a dark desktop palette (dark-1x).
screenshots: build
	@for s in $(BUILD)/tests/screenshots_*; do [ -f "$$s" ] && [ -x "$$s" ] || continue; for k in 1 2; do \
	    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$$k $$s $(BUILD)/screenshots/$${k}x || exit 1; \
	done; QT_QPA_PLATFORM=offscreen $$s $(BUILD)/screenshots/dark-1x dark || exit 1; \
	done; echo "Screenshots in $(BUILD)/screenshots/"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-tidy counts the warnings it hides in Qt's headers; only its findings are shown.
lint: build
	@bash -o pipefail -c "git ls-files 'src/*.cpp' | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD) --quiet 2>&1 \
	    | { grep -v '^[0-9]* warnings\? generated\.$$' || true; }"
	@echo "clang-tidy: no findings"


package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
