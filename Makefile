# make check    installs what is missing, builds everything and runs every test
# make demo     runs the export on the sample old database and shows the result
# make bench    measures the export against its query floor at scale 1 and 4
# make install  installs skarvik, skarvik-cipher and their manual pages (PREFIX)

BUILD ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)

PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev \
            unixodbc unixodbc-dev libsqliteodbc sqlite3 libsqlite3-dev nettle-dev
BENCH_PACKAGES := time

.PHONY: all deps build check demo bench install clean

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVIK_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

check: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

demo: build
	scripts/demo.sh $(BUILD)

bench: build
	@scripts/install-deps.sh $(BENCH_PACKAGES)
	bench/run.sh $(BUILD) 1 4

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD)
