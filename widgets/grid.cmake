# (the grid sources are listed here)
