# Filled in by the reliability work.
