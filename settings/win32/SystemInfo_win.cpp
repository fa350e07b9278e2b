// Placeholder until the Windows adapters of the settings store arrive.
