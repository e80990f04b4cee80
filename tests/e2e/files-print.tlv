# Print puts the waveform on one landscape page; the PDF printer stands in for the printer.
choose sine.prn
menu mnuOpen
choose page.pdf
menu mnuPrint
