# make          builds the programs; needs only the build tools, unixODBC's
#               headers and the header-only JSON and command-line libraries
#               (no tests, no database servers)
# make check    installs what is missing, builds everything and runs every test:
#               on SQLite, and on throwaway PostgreSQL and MariaDB servers, for
#               the Linux programs and again for skarvik.exe under wine64
# make check-sanitized   the whole suite again, built with clang under ASan and UBSan
# make fuzz     runs the libFuzzer targets for a bounded time
# make lint     clang-tidy 14 over every .cpp under src/ with the checks and naming
#               rules of .clang-tidy; any warning fails (scripts/lint.sh)
# make demo     runs the export on the sample old database and shows the result,
#               then a repair on a copy of it
# make bench    measures the export against its query floor at scale 1 and 4,
#               and skarvik-check preflight, verify and repair against the export
# make install  installs skarvik, skarvik-cipher, skarvik-check, their manual
#               pages and the SQLite extension of the demo's data source (PREFIX)
# make windows  cross-builds skarvik.exe, skarvik-cipher.exe and skarvik-check.exe,
#               64- and 32-bit, with mingw-w64 and checks what they import
# make package  the Windows archives and the Debian package, into PACKAGE_DIR (build/packages)
# make check-fresh  make demo and make check on a freshly made Debian 12 system
#               (scripts/check-fresh.sh; needs root and the package mirror)
#
# SKARVIK_SKIP_WINDOWS=1 leaves the Windows cases out of make check, as
# SKARVIK_SKIP_SERVERS=1 leaves out the server drivers.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
LINT_BUILD ?= build-lint
WIN64_BUILD ?= $(BUILD)-win64
WIN32_BUILD ?= $(BUILD)-win32
PACKAGE_DIR ?= $(BUILD)/packages
FUZZ_SECONDS ?= 30
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)

BUILD_PACKAGES := cmake make g++ pkg-config unixodbc-dev nlohmann-json3-dev libcli11-dev
# The SQLite extension, the SQLite ODBC driver and the sqlite3 shell.
SQLITE_PACKAGES := libsqlite3-dev sqlite3 unixodbc libsqliteodbc
TEST_PACKAGES := $(BUILD_PACKAGES) $(SQLITE_PACKAGES) libgtest-dev libgmock-dev nettle-dev \
                 postgresql odbc-postgresql mariadb-server odbc-mariadb
DEMO_PACKAGES := $(BUILD_PACKAGES) $(SQLITE_PACKAGES)
# scripts/test-servers.sh, which the benchmark borrows, starts both servers.
BENCH_PACKAGES := $(DEMO_PACKAGES) postgresql odbc-postgresql mariadb-server time
INSTALL_PACKAGES := $(BUILD_PACKAGES) libsqlite3-dev
CLANG_PACKAGES := clang libclang-rt-14-dev
# Debian 12's clang-tidy is version 14. The 64-bit mingw-w64 compiler
# configures the build whose compile database holds platform_win32.cpp and
# brings the headers that file is checked against.
LINT_PACKAGES := $(BUILD_PACKAGES) clang-tidy g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
                    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 \
                    nlohmann-json3-dev libcli11-dev
WINE_PACKAGES := wine64
# CPack's Debian generator asks dpkg-shlibdeps for the dependencies and
# needs `file` to find the programs to ask about.
PACKAGE_PACKAGES := dpkg-dev file

# What `build` installs and whether it configures the tests; the targets
# below set their own, and make hands them on to `build`. Each target names
# every package it will need here, the later steps' too: CMake notes what
# it does not find when it configures, and a build configured before a
# later step installed something (wine64 for the tests, SQLite for the
# package's extension) would go on without it.
PACKAGES = $(BUILD_PACKAGES)
TESTING = OFF

# Where the tests find the Windows programs; only a build with tests reads it.
WINDOWS_DIRS = -DSKARVIK_WIN64_DIR=$(abspath $(WIN64_BUILD)) -DSKARVIK_WIN32_DIR=$(abspath $(WIN32_BUILD))

# The Windows cases of make check, unless SKARVIK_SKIP_WINDOWS=1.
CHECK_WINDOWS := $(if $(filter 1,$(SKARVIK_SKIP_WINDOWS)),,windows wine)
CHECK_WINDOWS_PACKAGES := $(if $(CHECK_WINDOWS),$(WINDOWS_PACKAGES) $(WINE_PACKAGES))
# The cross builds, with the Linux build's warnings as errors; the tests are
# not cross-built.
WINDOWS_CONFIG := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVIK_WERROR=ON -DBUILD_TESTING=OFF

.PHONY: all build windows wine check check-sanitized fuzz lint demo bench install package check-fresh clean

# One step at a time, even under make -j: the steps install packages, and
# only one apt-get can run at once. The builds themselves use JOBS cores.
.NOTPARALLEL:

all: build

build:
	@scripts/install-deps.sh $(PACKAGES)
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVIK_WERROR=ON \
	  -DBUILD_TESTING=$(TESTING) $(if $(filter ON,$(TESTING)),$(WINDOWS_DIRS))
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

check: PACKAGES = $(TEST_PACKAGES) $(CHECK_WINDOWS_PACKAGES)
check: TESTING = ON
check: build $(CHECK_WINDOWS)
	scripts/test-wine.sh $(BUILD)/wine-prefix \
	  scripts/test-servers.sh run ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

check-sanitized:
	@scripts/install-deps.sh $(TEST_PACKAGES) $(CLANG_PACKAGES)
	scripts/check-sanitized.sh $(SANITIZE_BUILD) $(JOBS)

fuzz:
	@scripts/install-deps.sh $(TEST_PACKAGES) $(CLANG_PACKAGES)
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

lint:
	@scripts/install-deps.sh $(LINT_PACKAGES)
	scripts/lint.sh $(LINT_BUILD) $(JOBS)

demo: PACKAGES = $(DEMO_PACKAGES)
demo: build
	scripts/demo.sh $(BUILD)

bench: PACKAGES = $(BENCH_PACKAGES)
bench: build
	bench/run.sh $(BUILD) 1 4

install: PACKAGES = $(INSTALL_PACKAGES)
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# SQLite's headers before the Linux build is configured: without them the
# SQLite extension would be left out of the .deb without a word.
package: PACKAGES = $(INSTALL_PACKAGES) $(WINDOWS_PACKAGES) $(PACKAGE_PACKAGES)
package: build windows
	cpack --config $(WIN64_BUILD)/CPackConfig.cmake -B $(abspath $(PACKAGE_DIR))
	cpack --config $(WIN32_BUILD)/CPackConfig.cmake -B $(abspath $(PACKAGE_DIR))
	cpack --config $(BUILD)/CPackConfig.cmake -B $(abspath $(PACKAGE_DIR))
	@deb=$$(ls -t $(PACKAGE_DIR)/skarvik_*_amd64.deb | head -n 1); \
	  dpkg-deb -c "$$deb" | grep '/vksystem_attach\.so$$' >/dev/null || \
	  { echo "package: $$deb holds no vksystem_attach.so" >&2; exit 1; }
	@ls -l $(PACKAGE_DIR)/*.zip $(PACKAGE_DIR)/*.deb

# The quick start on a Debian 12 made for the purpose, as a new user meets
# it; scripts/check-fresh.sh names the variables that steer it.
check-fresh:
	scripts/check-fresh.sh demo check

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(LINT_BUILD) $(LINT_BUILD)-win64 \
	  $(WIN64_BUILD) $(WIN32_BUILD)
