# (grid_gallery target)
