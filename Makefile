# make check    installs what is missing, builds everything and runs every test:
#               on SQLite, and on throwaway PostgreSQL and MariaDB servers
# make check-sanitized   the whole suite again, built with clang under ASan and UBSan
# make fuzz     runs the libFuzzer targets for a bounded time
# make demo     runs the export on the sample old database and shows the result
# make bench    measures the export against its query floor at scale 1 and 4
# make install  installs skarvik, skarvik-cipher and their manual pages (PREFIX)

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)

PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev \
            unixodbc unixodbc-dev libsqliteodbc sqlite3 libsqlite3-dev nettle-dev \
            postgresql odbc-postgresql mariadb-server odbc-mariadb
CLANG_PACKAGES := clang libclang-rt-14-dev
BENCH_PACKAGES := time

.PHONY: all deps build check check-sanitized fuzz demo bench install clean

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVIK_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

check: build
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

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
