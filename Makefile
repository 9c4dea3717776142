# Starwise: the two everyday commands are `make run` and `make test`.
# Every target installs what is missing first (Debian packages), so a fresh
# machine needs only `make` (and `git` to fetch the code).

JOBS        ?= 2
BUILD       ?= build
RELEASE_DIR := $(BUILD)/release
TEST_DIR    := $(BUILD)/asan
SUDO        := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# Compiler warnings are errors in CI (CI=true) or with WERROR=ON.
WERROR      ?= $(if $(filter true 1 yes,$(CI)),ON,OFF)

# Packages the build, the tests, the benchmarks and the package need.
PACKAGES := cmake g++ make pkg-config python3 \
            qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev \
            libcli11-dev rapidjson-dev libgtest-dev libgmock-dev libbenchmark-dev liberfa-dev \
            libgeonames-dev libcctz-dev libsqlite3-dev tzdata \
            fonts-dejavu-core xvfb xauth dpkg-dev file help2man lintian poppler-utils appstream

# The birth `make run` reads on a machine without a display.
RUN_SAMPLE_BIRTH := --date 1980-07-15 --time 06:30 --zone 27 --dst --lon 74:00W --lat 40:43N
# The birth whose PDF `make screenshots` draws page 1 of.
PDF_SAMPLE_BIRTH := --date 1980-07-15 --time 06:30 --zone 34 --lon 73:51E --lat 18:31N --name "ASHA KULKARNI"
# How the Release build is configured (`make build`, `make accuracy`).
RELEASE_CONFIGURE := cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DSTARWISE_BUILD_BENCH=ON \
                     -DSTARWISE_HARDEN=ON -DSTARWISE_WERROR=$(WERROR)

.PHONY: deps build run test bench accuracy screenshots fuzz random-births package clean

# Installs the missing packages with apt-get: directly as root, otherwise
# through sudo; says what to do when neither is possible.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done | tr '\n' ' '); \
	[ -n "$$missing" ] || exit 0; \
	echo "make deps: installing" $$missing; \
	if [ "$$(id -u)" = 0 ]; then sudo=; \
	elif command -v sudo >/dev/null 2>&1; then sudo=sudo; echo "make deps: through sudo (it may ask for your password)"; \
	else \
	  echo "make deps: installing packages needs root, and sudo is not installed." >&2; \
	  echo "  Run as root:  apt-get install $$missing" >&2; \
	  echo "  (or, as root, apt-get install sudo and adduser $$(id -un) sudo, then log in again)," >&2; \
	  echo "  then run make again." >&2; \
	  exit 1; \
	fi; \
	$$sudo apt-get update -qq && \
	$$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing || { \
	  echo "make deps: apt-get failed; as root, run:  apt-get install $$missing" >&2; exit 1; }

# The Release build the package is made from, with Debian's hardening flags.
build: deps
	$(RELEASE_CONFIGURE)
	cmake --build $(RELEASE_DIR) -j$(JOBS)

# Starts the desktop program. Without a display no window can open, so it
# prints a sample reading from the command-line tool and says how to see the
# windows.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then exec $(RELEASE_DIR)/starwise; fi; \
	echo "No display here (DISPLAY and WAYLAND_DISPLAY are not set), so the window cannot open."; \
	echo "A sample reading from the command-line tool instead:"; \
	echo; echo "$$ $(RELEASE_DIR)/starwise-cli $(RUN_SAMPLE_BIRTH)"; \
	$(RELEASE_DIR)/starwise-cli $(RUN_SAMPLE_BIRTH) || exit $$?; \
	echo; \
	echo "That was a sample reading from starwise-cli: there is no display here for the window."; \
	echo "To open the window: run 'make run' from a terminal in a desktop session (or over ssh -X)."; \
	echo "To look at the windows here: '$(RELEASE_DIR)/starwise-screenshots /tmp/starwise-shots' draws them"; \
	echo "to PNG files; 'xvfb-run -a $(RELEASE_DIR)/starwise' starts the program on an invisible screen."

# Every test, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DSTARWISE_SANITIZE=ON -DSTARWISE_WERROR=$(WERROR)
	cmake --build $(TEST_DIR) -j$(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Chart, reading and Kepler times; start-up to the entry form; 1,000
# readings with Back (memory and latency); the reading written as PDF and
# HTML, and `starwise --pdf` end to end; all on this machine.
bench: build
	$(RELEASE_DIR)/bench/starwise_bench --benchmark_min_time=0.2
	$(RELEASE_DIR)/bench/starwise_gui_startup
	$(RELEASE_DIR)/bench/starwise_gui_soak
	$(RELEASE_DIR)/bench/starwise_document_bench --benchmark_min_time=0.5
	python3 bench/batch_bench.py $(RELEASE_DIR)/starwise-cli --count 10000

# The engine against ERFA over 10,000 random births: per body the mean, 95th
# percentile and largest error, and how often the sign or whole degree differs.
# tools/accuracy is built whenever ERFA is found, tests on or off.
accuracy: deps
	$(RELEASE_CONFIGURE)
	cmake --build $(RELEASE_DIR) -j$(JOBS) --target starwise-accuracy
	$(RELEASE_DIR)/tools/accuracy/starwise-accuracy 10000

# Debian package of the desktop program and the command-line tool, checked by
# lintian: an error or a warning fails the target; info and pedantic notes are
# shown but do not.
package: build
	rm -f $(RELEASE_DIR)/starwise_*.deb
	cd $(RELEASE_DIR) && cpack -G DEB
	@deb=$$(realpath $(RELEASE_DIR)/starwise_*.deb); \
	echo "lintian $$deb"; \
	lintian --fail-on error,warning --display-info --pedantic "$$deb" || { \
	  echo "make package: lintian reports an error or a warning (above)" >&2; exit 1; }; \
	echo "lintian: no error, no warning"; \
	echo "Package: $$deb"

# The windows, the chart wheel, and the first page of the sample reading's PDF.
# Besides, the form and the report's tabs on small, common and large screens
# (device pixels) at desktop scale 1 and 2, in $(BUILD)/screenshots (not kept
# in the repository).
SCREENSHOT_SCREENS := 1024x600@1 1024x600@2 1366x768@1 1366x768@2 1920x1080@1 1920x1080@2
screenshots: build
	QT_QPA_PLATFORM=offscreen $(RELEASE_DIR)/starwise-screenshots docs/screenshots
	for screen in $(SCREENSHOT_SCREENS); do \
	  QT_QPA_PLATFORM=offscreen $(RELEASE_DIR)/starwise-screenshots $(BUILD)/screenshots $$screen || exit 1; \
	done
	$(RELEASE_DIR)/starwise --pdf $(BUILD)/sample-reading.pdf $(PDF_SAMPLE_BIRTH)
	pdftoppm -png -r 60 -f 1 -l 1 -singlefile $(BUILD)/sample-reading.pdf docs/screenshots/reading-pdf-page1

clean:
	rm -rf $(BUILD)

# libFuzzer, one minute per target (FUZZ_SECONDS to change); not part of `make test`.
# Fails when a target crashes, times out or a sanitizer reports (every report
# halts): the status is the fuzzer's own, its log in $(FUZZ_DIR)/NAME.log.
FUZZ_SECONDS ?= 60
FUZZ_DIR     := $(BUILD)/fuzz
FUZZ_TARGETS ?= fuzz_cli_line fuzz_entry_form fuzz_position_texts fuzz_engine_numbers \
                fuzz_atlas_search fuzz_batch_place fuzz_zone_history fuzz_pdf_command_line \
                fuzz_aaf_reader fuzz_people_store
fuzz: deps random-births
	@dpkg-query -W -f='$${Status}' clang-14 libclang-rt-14-dev 2>/dev/null | grep -q 'install ok installed' || \
	  (DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq clang-14 libclang-rt-14-dev)
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DSTARWISE_FUZZ=ON -DSTARWISE_BUILD_GUI=OFF -DSTARWISE_BUILD_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target $(FUZZ_TARGETS)
	@failed=; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t; \
	  echo "== $$t"; \
	  ASAN_OPTIONS=halt_on_error=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=$(CURDIR)/fuzz/ubsan_suppressions.txt \
	    $(FUZZ_DIR)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/$$t- $(FUZZ_DIR)/corpus/$$t fuzz/seeds/$$t > $(FUZZ_DIR)/$$t.log 2>&1; \
	  status=$$?; \
	  grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|runtime error|crash-|timeout-|Done' $(FUZZ_DIR)/$$t.log; \
	  if [ $$status -ne 0 ]; then \
	    echo "make fuzz: $$t failed with status $$status (log: $(FUZZ_DIR)/$$t.log)" >&2; failed="$$failed $$t"; \
	  fi; \
	done; \
	if [ -n "$$failed" ]; then echo "make fuzz: failed:$$failed" >&2; exit 1; fi

# 100,000 random valid births through the sanitized command line's batch
# mode, every field compared with the independent implementation.
RANDOM_BIRTHS ?= 100000
random-births: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DSTARWISE_SANITIZE=ON
	cmake --build $(TEST_DIR) -j$(JOBS) --target starwise-cli
	@seed=$$(date +%s); echo "random births: seed $$seed (replay with --seed $$seed)"; \
	python3 tools/oracle/compare_cli.py $(TEST_DIR)/starwise-cli --count $(RANDOM_BIRTHS) --seed $$seed
