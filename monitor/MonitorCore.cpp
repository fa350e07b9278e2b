// Anchor of the portable monitor core library; its parts live in device/, core/ and actions/.
