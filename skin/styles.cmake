# (filled in as the parts arrive)
