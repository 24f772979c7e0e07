// Holds the embedded resources; the code lives in the generated resource objects.
