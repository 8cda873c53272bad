# (tests of the column grid)
