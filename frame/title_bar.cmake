# (filled in with the part's library and tests)
