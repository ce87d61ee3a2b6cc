# Two entry points: `make run` builds an optimised editor and starts it,
# `make test` builds everything with ASan/UBSan and runs the test suite.
JOBS ?= 2
RELEASE := build/release
ASAN    := build/asan
BENCH   := build/bench
FUZZ    := build/fuzz
FUZZ_SECONDS ?= 300

.PHONY: run build test bench fuzz clean

build:
	scripts/bootstrap.sh run
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DT2L_TESTS=OFF
	cmake --build $(RELEASE) -j$(JOBS)

run: build
	$(RELEASE)/src/velmora-t2l

test:
	scripts/bootstrap.sh test
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DT2L_SANITIZE=ON -DT2L_TESTS=ON
	cmake --build $(ASAN) -j$(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench:
	scripts/bootstrap.sh bench
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DT2L_TESTS=OFF -DT2L_BENCH=ON
	cmake --build $(BENCH) -j$(JOBS) --target bench_document bench_paint bench_masterdata bench_print
	$(BENCH)/bench/bench_document
	$(BENCH)/bench/bench_paint
	$(BENCH)/bench/bench_masterdata
	$(BENCH)/bench/bench_print

fuzz:
	scripts/bootstrap.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DT2L_TESTS=OFF -DT2L_FUZZ=ON
	cmake --build $(FUZZ) -j$(JOBS) --target fuzz_t2l_reader fuzz_dbf_reader
	mkdir -p $(FUZZ)/corpus $(FUZZ)/corpus-dbf
	$(FUZZ)/fuzz/fuzz_t2l_reader -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ)/ $(FUZZ)/corpus fuzz/seeds
	$(FUZZ)/fuzz/fuzz_dbf_reader -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ)/dbf- $(FUZZ)/corpus-dbf fuzz/seeds-dbf

clean:
	rm -rf build
