# Every reader of the program's files under fuzzing: one target per name, its
# code in fuzz/targets/<name>.cpp, its seed inputs in fuzz/corpus/<name>/. A
# new reader gets its line here; the fuzz build and the tests take the list
# from this file.
set(VELMORA_FUZZ_TARGETS
    store         # member file and companions: loaded, saved, loaded again the same
    settings      # Velmora.ini, .soc, .bur, .cbx, .plc: loaded, saved, loaded again the same
    exchange      # the import file, imported, saved, loaded again the same
    formats       # amounts, dates, times and whole numbers, read back from their own text
    recordlist    # RecordList::setBytes and its tag index
    journal       # the journal's months, ledger and annual result; a month written reads back
    treasuryplan  # the treasury plan (.pdt), saved and loaded again the same
    planning      # the planning (.opl), saved and loaded again the same
    messages      # the message book (.oms), saved and loaded again the same
    rtf           # letters: what is written once is written again to the byte
)
