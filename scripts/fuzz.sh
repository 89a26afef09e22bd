#!/usr/bin/env bash
# Placeholder: the data file fuzz target is being built.
echo "fuzz: no target yet"
