# The operating system as the download sees it.
show system
