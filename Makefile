# Set-up, build, demo installation and tests on a Debian 12 machine.
#   make run   installs what is missing, builds, stages the demo installation and starts it
#   make test  installs what is missing, builds and runs every test through ctest
#   make install INSTALLATION=<engine folder>
#              builds, copies the launcher into the installation's bin folder and puts it in
#              the applications menu (APPLICATIONS=<folder> writes the menu entry elsewhere)

BUILD ?= build
DEBIAN_PACKAGES := qt6-base-dev libzip-dev cmake ninja-build g++ pkg-config freedoom unzip \
                   desktop-file-utils xvfb openbox xdotool x11-utils fonts-liberation2 \
                   libxcb1-dev libpng-dev lld libfontconfig-dev \
                   zip p7zip-full libarchive-tools python3
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
INSTALLATION ?=
APPLICATIONS ?=

.PHONY: all deps configure build demo run test bench install clean fuzz fuzz-deps test-sanitize

all: build

deps:
	@missing=""; \
	for p in $(DEBIAN_PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	cmake --build $(BUILD) --target demo

run: demo
	cd $(BUILD)/demo/bin && ./Z3Dlauncher

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target benchmarks
	cd $(BUILD) && ./bench/run-benchmarks

# The folders reach the recipe through the environment, never through its text, so that any
# name (quotes, blanks) arrives as one argument.
export INSTALLATION APPLICATIONS
install:
	@if [ -z "$$INSTALLATION" ]; then \
	    echo "Usage: make install INSTALLATION=<engine installation folder>" >&2; exit 2; \
	fi
	$(MAKE) build
	"$(BUILD)/bin/z3d-install" "$(BUILD)/bin" "$$INSTALLATION" $${APPLICATIONS:+"$$APPLICATIONS"}

clean:
	rm -rf $(BUILD)

# Fuzzing: each harness of fuzz/ runs under libFuzzer for FUZZ_SECONDS, starting from its seed
# corpus (new inputs it finds are kept in $(FUZZ_BUILD)/corpus, not in the repository). A
# harness's own libFuzzer flags are the "name = value" lines of fuzz/<harness>.options (the
# options-file form libFuzzer runners know: a [libfuzzer] section), each passed as -name=value.
# FUZZ_HARNESSES=<names> runs only those.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_HARNESSES ?= $(patsubst fuzz/harness_%.cpp,%,$(wildcard fuzz/harness_*.cpp))

fuzz-deps:
	@missing=""; \
	for p in $(FUZZ_PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

fuzz: deps fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DZ3D_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@for h in $(FUZZ_HARNESSES); do \
	    options=$$(sed -n 's/^[[:space:]]*\([a-z_]*\)[[:space:]]*=[[:space:]]*\(.*\)$$/-\1=\2/p' \
	        fuzz/$$h.options 2>/dev/null | tr '\n' ' '); \
	    echo "== $$h ($(FUZZ_SECONDS) s) $$options"; \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$h && \
	    $(FUZZ_BUILD)/fuzz/fuzz_$$h -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        -rss_limit_mb=2048 -print_final_stats=1 $$options \
	        $(FUZZ_BUILD)/corpus/$$h fuzz/corpus/$$h || exit 1; \
	done

# The whole test suite again, every target built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the test that caused it.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
                UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DZ3D_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen \
	    ctest --output-on-failure -j $(JOBS)
