# Chordex: make run starts the program on the sample store, make test runs the tests.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= /usr/local

.PHONY: all deps configure build run test bench install package clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: starting Chordex under Xvfb."; \
	  xvfb-run -a -s "-screen 0 1280x900x24" ./$(BUILD_DIR)/chordex; \
	else \
	  ./$(BUILD_DIR)/chordex; \
	fi

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

bench: build
	cd $(BUILD_DIR) && ./bench/chordex_bench $(BENCH)

# Installs into PREFIX (DESTDIR= stages it elsewhere); an installed Chordex keeps its
# collections in ~/.local/share/Chordex/Chordex.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package: $(BUILD_DIR)/chordex_<version>_amd64.deb
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
