# `make run` builds and starts the program, `make test` builds and runs every test, and
# `make package` makes the Debian package. Each first installs the system packages it is
# missing (scripts/install-deps.sh; KELT_SKIP_DEPS=1 skips that step).
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Warnings are errors on CI, plain warnings on a developer's machine.
WERROR := $(if $(CI),ON,OFF)
PROGRAM := $(BUILD_DIR)/KeltFreeDescendantAstrology
# The build tool's own make calls need not announce every folder they enter.
MAKEFLAGS += --no-print-directory

# The program is built as the distribution builds its own: with dpkg-buildflags' hardening
# (stack protector, fortified functions, relro and bind-now; PIE is the compiler's default)
# and source paths written relative, so what is tested and run is what the package carries.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
HAVE_BUILDFLAGS = command -v dpkg-buildflags >/dev/null
# The build folder's own path is written as "build" wherever it lands, so that its name
# does not reach the program through the debug information (and with it the build id).
BUILD_PATH_MAP = -ffile-prefix-map=$(abspath $(BUILD_DIR))=build
# Time stamps in the compiled-in resources and the package come from the newest changelog
# entry, so two builds of the same source are byte for byte the same.
SOURCE_DATE_EPOCH ?= $(shell date -d "$$(sed -n 's/^ -- .*>  //p' packaging/changelog.Debian | head -n 1)" +%s)
export SOURCE_DATE_EPOCH

# More cache settings for the configure step, e.g. CMAKE_ARGS=-DKELT_TESTS=OFF.
CMAKE_ARGS ?=

define configure
	cmake -S . -B $(BUILD_DIR) --log-level=WARNING -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DKELT_WERROR=$(WERROR) $(CMAKE_ARGS) \
		-DCMAKE_CXX_FLAGS="$$($(HAVE_BUILDFLAGS) && echo $$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)) $(BUILD_PATH_MAP)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(HAVE_BUILDFLAGS) && $(BUILDFLAGS) LDFLAGS)"
endef

.PHONY: all build run test test-asan package windows bench clean

all: build

# The program and every test program.
build:
	@bash scripts/install-deps.sh run
	$(configure)
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Only what running needs: the program alone, without the tests.
run:
	@bash scripts/install-deps.sh run
	$(configure)
	cmake --build $(BUILD_DIR) --target KeltFreeDescendantAstrology -j $(JOBS)
	$(PROGRAM)

test:
	@bash scripts/install-deps.sh test
	$(configure)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, in $(BUILD_DIR)/; scripts/check-package.sh checks it.
package:
	@bash scripts/install-deps.sh package
	$(configure)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && cpack -G DEB

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
# intercept_tls_get_addr=0: GCC 12's runtime takes a heap block that happens to start 16 bytes
# into a page for an old glibc's thread-local header, and its leak check at exit then
# sometimes crashes ("Tracer caught signal 11") with no leak found.
ASAN_DIR ?= build-asan
test-asan:
	@bash scripts/install-deps.sh test
	cmake -S . -B $(ASAN_DIR) --log-level=WARNING -DCMAKE_BUILD_TYPE=Debug -DKELT_SANITIZE=ON \
		-DKELT_WERROR=$(WERROR)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:intercept_tls_get_addr=0 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# The Windows program, cross-built here with MinGW-w64: its whole suite under Wine, then the
# portable zip and the installer in $(WINDOWS_DIR)/, the installer checked under Wine too.
# Qt for Windows is built once from Debian's source into ~/.cache/kelt-windows.
WINDOWS_DIR ?= build-windows
windows:
	@BUILD_DIR=$(WINDOWS_DIR) JOBS=$(JOBS) bash scripts/windows/build.sh

# Start-up, reading and memory against a bare Qt floor, and where `make windows` has built
# the Windows program, its start-up under Wine too; not part of `make test`.
bench:
	@bash scripts/install-deps.sh run
	$(configure)
	cmake --build $(BUILD_DIR) --target kelt_bench kelt_startup_probe kelt_floor_probe -j $(JOBS)
	QT_QPA_PLATFORM=offscreen bash scripts/windows/bench.sh $(WINDOWS_DIR) $(BUILD_DIR)/bench/kelt_bench

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(WINDOWS_DIR)
