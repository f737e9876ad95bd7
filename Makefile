# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Warnings are errors on CI, plain warnings on a developer's machine.
WERROR := $(if $(CI),ON,OFF)
PROGRAM := $(BUILD_DIR)/KeltFreeDescendantAstrology

.PHONY: all deps configure build run test test-asan package bench clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DKELT_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(PROGRAM)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, in $(BUILD_DIR)/; scripts/check-package.sh checks it.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_DIR ?= build-asan
test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DKELT_SANITIZE=ON -DKELT_WERROR=$(WERROR)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# Start-up, reading and memory against a bare Qt floor; not part of `make test`.
bench: configure
	cmake --build $(BUILD_DIR) --target kelt_bench kelt_startup_probe kelt_floor_probe -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/kelt_bench

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
