// SPDX-License-Identifier: GPL-2.0-or-later
// The translation unit that builds the libraries' shared precompiled header (cmake/precompiled.cmake).
