# make check    installs what is missing, builds everything and runs every test:
#               on SQLite, and on throwaway PostgreSQL and MariaDB servers
# make check-sanitized   the whole suite again, built with clang under ASan and UBSan
# make fuzz     runs the libFuzzer targets for a bounded time
# make demo     runs the export on the sample old database and shows the result
# make bench    measures the export against its query floor at scale 1 and 4
# make install  installs skarvik, skarvik-cipher and their manual pages (PREFIX)
# make windows  cross-builds skarvik.exe and skarvik-cipher.exe, 64- and 32-bit,
#               with mingw-w64 and checks what they import
# make package  the Windows archives and the Debian package, into PACKAGE_DIR (build/packages)
#
# make check runs the end-to-end cases a second time against the 64-bit
# skarvik.exe under wine64; SKARVIK_SKIP_WINDOWS=1 leaves them out, as
# SKARVIK_SKIP_SERVERS=1 leaves out the server drivers.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
WIN64_BUILD ?= $(BUILD)-win64
WIN32_BUILD ?= $(BUILD)-win32
PACKAGE_DIR ?= $(BUILD)/packages
FUZZ_SECONDS ?= 30
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)

PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev \
            unixodbc unixodbc-dev libsqliteodbc sqlite3 libsqlite3-dev nettle-dev \
            postgresql odbc-postgresql mariadb-server odbc-mariadb
CLANG_PACKAGES := clang libclang-rt-14-dev
BENCH_PACKAGES := time
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
                    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
WINE_PACKAGES := wine64
PACKAGE_PACKAGES := dpkg-dev

# The Windows cases of make check, unless SKARVIK_SKIP_WINDOWS=1.
CHECK_WINDOWS := $(if $(filter 1,$(SKARVIK_SKIP_WINDOWS)),,windows wine)
# The cross builds, with the Linux build's warnings as errors; the tests are
# not cross-built.
WINDOWS_CONFIG := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVIK_WERROR=ON -DBUILD_TESTING=OFF

.PHONY: all deps build windows wine check check-sanitized fuzz demo bench install package clean

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVIK_WERROR=ON \
	  -DSKARVIK_WIN64_DIR=$(abspath $(WIN64_BUILD)) -DSKARVIK_WIN32_DIR=$(abspath $(WIN32_BUILD))
	cmake --build $(BUILD) -j $(JOBS)

windows:
	@scripts/install-deps.sh $(WINDOWS_PACKAGES)
	cmake -S . -B $(WIN64_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake $(WINDOWS_CONFIG)
	cmake --build $(WIN64_BUILD) -j $(JOBS)
	cmake -S . -B $(WIN32_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake $(WINDOWS_CONFIG)
	cmake --build $(WIN32_BUILD) -j $(JOBS)
	scripts/check-windows-exe.sh $(WIN64_BUILD)
	scripts/check-windows-exe.sh $(WIN32_BUILD)

wine:
	@scripts/install-deps.sh $(WINE_PACKAGES)

check: build $(CHECK_WINDOWS)
	scripts/test-wine.sh $(BUILD)/wine-prefix \
	  scripts/test-servers.sh run ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

check-sanitized: deps
	@scripts/install-deps.sh $(CLANG_PACKAGES)
	scripts/check-sanitized.sh $(SANITIZE_BUILD) $(JOBS)

fuzz: deps
	@scripts/install-deps.sh $(CLANG_PACKAGES)
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

demo: build
	scripts/demo.sh $(BUILD)

bench: build
	@scripts/install-deps.sh $(BENCH_PACKAGES)
	bench/run.sh $(BUILD) 1 4

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build windows
	@scripts/install-deps.sh $(PACKAGE_PACKAGES)
	cpack --config $(WIN64_BUILD)/CPackConfig.cmake -B $(abspath $(PACKAGE_DIR))
	cpack --config $(WIN32_BUILD)/CPackConfig.cmake -B $(abspath $(PACKAGE_DIR))
	cpack --config $(BUILD)/CPackConfig.cmake -B $(abspath $(PACKAGE_DIR))
	@ls -l $(PACKAGE_DIR)/*.zip $(PACKAGE_DIR)/*.deb

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WIN64_BUILD) $(WIN32_BUILD)
