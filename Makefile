# Set-up, build, demo installation and tests on a Debian 12 machine.
#   make run   installs what is missing, builds, stages the demo installation and starts it
#   make test  installs what is missing, builds and runs every test through ctest
#   make install INSTALLATION=<engine folder>
#              builds, copies the launcher into the installation's bin folder and puts it in
#              the applications menu (APPLICATIONS=<folder> writes the menu entry elsewhere)

BUILD ?= build
DEBIAN_PACKAGES := qt6-base-dev libzip-dev cmake ninja-build g++ pkg-config freedoom unzip \
                   desktop-file-utils xvfb openbox xdotool x11-utils fonts-liberation2
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
INSTALLATION ?=
APPLICATIONS ?=

.PHONY: all deps configure build demo run test bench install clean

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

install:
	@if [ -z "$(INSTALLATION)" ]; then \
	    echo "Usage: make install INSTALLATION=<engine installation folder>" >&2; exit 2; \
	fi
	$(MAKE) build
	$(BUILD)/bin/z3d-install $(BUILD)/bin "$(INSTALLATION)" $(if $(APPLICATIONS),"$(APPLICATIONS)")

clean:
	rm -rf $(BUILD)
