# (tests of the numeric edits and decorative widgets)
