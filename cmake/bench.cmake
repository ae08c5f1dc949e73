# Filled in by the bench work.
