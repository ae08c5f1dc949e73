# Filled in by the fuzz work.
