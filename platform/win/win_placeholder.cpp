// Placeholder translation unit until the first source of this library lands.
