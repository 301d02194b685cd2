# Set-up, build and checks of Sobrimetre. `make run` and `make test` install what is missing first.

BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_FUZZ ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

# Debian packages needed to build, test, benchmark and fuzz.
PACKAGES := cmake make g++ clang libclang-rt-14-dev qt6-base-dev qt6-svg-dev qt6-qpa-plugins \
            libqt6svg6 fonts-liberation libbenchmark-dev clang-format clang-tidy
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run test test-sanitize bench fuzz screenshots format lint clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./src/app/sobrimetre

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DSOBRIMETRE_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -DSOBRIMETRE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@for f in $(BUILD_FUZZ)/fuzz/fuzz_*; do \
	    echo "== $$f ($(FUZZ_SECONDS) s)"; \
	    mkdir -p $(BUILD_FUZZ)/corpus/$$(basename $$f); \
	    $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(BUILD_FUZZ)/corpus/$$(basename $$f) \
	        || exit 1; \
	done

screenshots: build
	@for s in $(BUILD)/tests/screenshots_*; do [ -f "$$s" ] || continue; for k in 1 2; do \
	    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$$k $$s $(BUILD)/screenshots/$${k}x || exit 1; \
	done; done; echo "Screenshots in $(BUILD)/screenshots/"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

lint: build
	git ls-files 'src/*.cpp' | xargs clang-tidy -p $(BUILD) --quiet

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
