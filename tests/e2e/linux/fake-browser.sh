#!/bin/sh
# The test's web browser: writes the address it is given to $NUV_E2E_BROWSER_LOG.
printf '%s\n' "$1" > "$NUV_E2E_BROWSER_LOG"
