# Filled in by the release work.
