# make          builds the programs; needs only the build tools, unixODBC's
#               headers and the header-only JSON and command-line libraries
#               (no tests, no database servers)
# make check    installs what is missing, builds everything and runs every test:
#               on SQLite, and on throwaway PostgreSQL and MariaDB servers
# make check-sanitized   the whole suite again, built with clang under ASan and UBSan
# make fuzz     runs the libFuzzer targets for a bounded time
# make demo     runs the export on the sample old database and shows the result
# make bench    measures the export against its query floor at scale 1 and 4
# make install  installs skarvik, skarvik-cipher, their manual pages and the
#               SQLite extension of the demo's data source (PREFIX)

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
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

# What `build` installs and whether it configures the tests; the targets
# below set their own, and make hands them on to `build`.
PACKAGES = $(BUILD_PACKAGES)
TESTING = OFF

.PHONY: all build check check-sanitized fuzz demo bench install clean

all: build

build:
	@scripts/install-deps.sh $(PACKAGES)
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVIK_WERROR=ON \
	  -DBUILD_TESTING=$(TESTING)
	cmake --build $(BUILD) -j $(JOBS)

check: PACKAGES = $(TEST_PACKAGES)
check: TESTING = ON
check: build
	scripts/test-servers.sh run ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

check-sanitized:
	@scripts/install-deps.sh $(TEST_PACKAGES) $(CLANG_PACKAGES)
	scripts/check-sanitized.sh $(SANITIZE_BUILD) $(JOBS)

fuzz:
	@scripts/install-deps.sh $(TEST_PACKAGES) $(CLANG_PACKAGES)
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

demo: PACKAGES = $(DEMO_PACKAGES)
demo: build
	scripts/demo.sh $(BUILD)

bench: PACKAGES = $(BENCH_PACKAGES)
bench: build
	bench/run.sh $(BUILD) 1 4

install: PACKAGES = $(INSTALL_PACKAGES)
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
