# A thin wrapper over the CMake presets: every target installs what is
# missing first, so a fresh machine needs nothing but these commands.

PRESET ?= dev
BUILD := build/$(PRESET)

.PHONY: all deps configure build run test bench

all: build

deps:
	@scripts/install-deps

configure: deps
	@test -f $(BUILD)/build.ninja || cmake --preset $(PRESET)

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "velmora: no display to open its window on; without one, run: xvfb-run -a make run" >&2; \
	  exit 1; \
	fi
	@$(BUILD)/src/velmora

test: build
	@ctest --preset $(PRESET)

bench: build
	@$(BUILD)/bench/velmora-pace-bench
