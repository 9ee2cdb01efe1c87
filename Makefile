# make check   installs what is missing, builds everything and runs every test
# make demo    runs the export on the sample old database and shows the result

BUILD ?= build
JOBS ?= $(shell nproc)

PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev \
            unixodbc unixodbc-dev libsqliteodbc sqlite3 libsqlite3-dev nettle-dev

.PHONY: all deps build check demo clean

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

clean:
	rm -rf $(BUILD)
