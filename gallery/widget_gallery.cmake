# (widget_gallery target)
