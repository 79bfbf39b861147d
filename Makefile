# make run: build and start the program.  make test: build and run the whole test suite.
# make package: build the Debian package tessarel_<version>_amd64.deb here.
# All first install the Debian packages that are missing (as root; otherwise they print the line to run).

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-image-formats-plugins libgtest-dev libgmock-dev \
            libbenchmark-dev libhunspell-dev hunspell-en-us libmythes-dev mythes-en-us fonts-liberation \
            clang libclang-rt-14-dev poppler-utils libquazip1-qt6-dev \
            libreoffice-writer-nogui pandoc libqt6sql6-sqlite
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test build deps bench clean package

# The package's dependencies are found with dpkg-shlibdeps; its files are checked with the other three.
package: PACKAGES += dpkg-dev desktop-file-utils appstream lintian

run: build
	cd $(BUILD)/Tessarel && ./Tessarel

# A test that fails is run once more before the run counts it failed; a second failure is a failure.
test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2 --repeat until-pass:2

package: build
	cpack --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package
	cp $(BUILD)/package/tessarel_*_amd64.deb .

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSAREL_TESTS=OFF -DTESSAREL_BENCH=ON
	cmake --build build-bench

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	  else \
	    echo "Missing packages. Run as root:"; echo "  apt-get install$$missing"; exit 1; \
	  fi; \
	fi

clean:
	rm -rf $(BUILD) build-asan build-bench build-fuzz tessarel_*_amd64.deb
